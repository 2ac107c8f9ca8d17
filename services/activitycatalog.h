#pragma once

#include <QString>

#include <span>

namespace abacolo {

// An activity that answers into the answer log: the key its rows carry and the name a parent
// reads, the label of its topic on the main window.
struct ActivityEntry
{
    QStringView key;
    QStringView name;
};

// Every such activity, in the order the parent's views list them.
std::span<const ActivityEntry> activityCatalog();

// The activity's place in the catalog; the catalog's size for a key it does not hold.
int activityRank(const QString &key);
// The activity's name; the key itself for one this program does not know (a row written by a
// later version, say).
QString activityName(const QString &key);

} // namespace abacolo
