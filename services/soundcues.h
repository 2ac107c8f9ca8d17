#pragma once

#include "services/services.h"

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QObject>

class QAudioSink;

namespace abacolo {

// Voice cues played from the program's own sound resources. At most one cue sounds: a new
// cue stops the one playing; nothing queues.
//
// Each clip (a RIFF WAVE file of 16-bit PCM) is decoded once, on its first use, into the one
// output format of the cue service (44 100 Hz, stereo, 16 bit), and a cue is played by handing
// those samples to an audio sink of its own: nothing is loaded or decoded between the click
// and the sound. Starting a cue stops and drops the sink of the one before; a sink is also
// dropped once its cue has ended, so a quiet program keeps no sound stream open.
class SoundCues : public QObject, public Cues
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundCues)

public:
    SoundCues();
    ~SoundCues() override;

    void PlayCue(const QString &name) override;

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
    void release();

    QHash<QString, QString> m_paths;
    QHash<QString, QByteArray> m_clips;
    QString m_current;
    quint64 m_started = 0; // cues started so far
    QAudioSink *m_sink = nullptr;
    QBuffer m_playing;
};

} // namespace abacolo
