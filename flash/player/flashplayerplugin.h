#pragma once

#include "flash/movieplayer.h"

#include <QObject>

namespace abacolo {

// The movie player module: makes players that run the movie emulator in a web engine.
class FlashPlayerPlugin : public QObject, public MoviePlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AbacoloMoviePlayerFactory_iid FILE "flashplayer.json")
    Q_INTERFACES(abacolo::MoviePlayerFactory)

public:
    FlashPlayerPlugin();

    MoviePlayer *createPlayer(const MovieSettings &settings, QWidget *parent) override;

    // The folder holding the player page and the emulator, beside this module.
    static QString pageFolder();

private:
    static void prepareEngine();
};

} // namespace abacolo
