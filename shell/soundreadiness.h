#pragma once

#include <QList>

class QObject;

namespace abacolo {

class SoundCues;

// Cues sound only in the windows the main window opens. The sound output (Qt Multimedia and
// the sound server's libraries) is loaded once the first of them has drawn its first frame:
// start-up does not wait for it, and neither does the first cue.
void prepareSoundWithFirstWindow(const QList<QObject *> &windows, QObject *mainWindow, SoundCues &cues);

} // namespace abacolo
