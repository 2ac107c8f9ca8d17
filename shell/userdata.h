#pragma once

#include <QStringList>

namespace abacolo {

// Makes `userDirectory` if needed and, in it, every table file it lacks from its seed script in
// `seedDirectory` ("sys.db.sql" makes "sys.db"). A file that exists is never replaced: it holds
// the child's counts. Returns what went wrong, in Chinese; empty when all is well.
QStringList seedUserTables(const QString &seedDirectory, const QString &userDirectory);

// The same for this process: an installed program seeds the user's data directory from its
// installed seed scripts; run from a build folder there is nothing to do (the build made the
// tables).
QStringList prepareUserData();

} // namespace abacolo
