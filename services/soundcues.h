#pragma once

#include "services/cueoutput.h"
#include "services/services.h"

#include <QByteArray>
#include <QHash>
#include <QObject>

#include <memory>

namespace abacolo {

// Voice cues played from the program's own sound resources. At most one cue sounds: a new
// cue stops the one playing; nothing queues.
//
// Each clip (a RIFF WAVE file of 16-bit PCM) is decoded once, on its first use, into the one
// output format of the cue service (44 100 Hz, stereo, 16 bit), and a cue is played by handing
// those samples to the sound output: nothing is loaded or decoded between the click and the
// sound. The output is a module of its own ("abacolo_cueoutput" in the program's modules
// folder), loaded by prepare() or the first cue; where it cannot be loaded, cues are silent.
class SoundCues : public QObject, public Cues
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundCues)

public:
    SoundCues();
    ~SoundCues() override;

    void PlayCue(const QString &name) override;

    // Loads the sound output and readies the system's sound service, once: the first cue then
    // starts as promptly as the next.
    void prepare();

    // The cue most recently started, in lower case; empty before the first.
    QString current() const { return m_current; }
    // Every clip carried, in lower case.
    QStringList names();

    // Decodes a RIFF WAVE file of 16-bit PCM (mono or stereo, any rate) into 44 100 Hz
    // stereo 16-bit samples. Returns an empty array for anything else.
    static QByteArray decodeWave(const QByteArray &file);

private:
    void index();
    const QByteArray *clip(const QString &key);
    CueOutput *output();

    QHash<QString, QString> m_paths;
    QHash<QString, QByteArray> m_clips;
    QString m_current;
    std::unique_ptr<CueOutput> m_output;
    bool m_outputTried = false;
};

} // namespace abacolo
