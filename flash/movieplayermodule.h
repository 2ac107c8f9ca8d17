#pragma once

#include <QString>

namespace abacolo {

class MoviePlayerFactory;

// Finds the movie player module (beside the program in its folder's "plugins" folder;
// installed, in lib/abacolo) and loads it on first use. Where the module is missing or cannot be loaded there is no factory, and
// the players show their calm background instead of movies.
class MoviePlayerModule
{
public:
    // The module's factory, loading the module on the first call; nullptr when unavailable.
    static MoviePlayerFactory *factory();

    // Why the module could not be loaded (nothing is reported to the user).
    static QString errorString();

    // The file the module is loaded from.
    static QString modulePath();

    // For tests and measurements: look in another folder, or use another factory (nullptr
    // goes back to the module).
    static void setFolder(const QString &folder);
    static void useFactory(MoviePlayerFactory *factory);
};

} // namespace abacolo
