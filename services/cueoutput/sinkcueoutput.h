#pragma once

#include "services/cueoutput.h"

#include <QBuffer>
#include <QObject>

class QAudioSink;

namespace abacolo {

// Each cue gets an audio sink of its own: starting a cue stops and drops the sink of the one
// before, and a sink is dropped once its cue has sounded, so a quiet program keeps no sound
// stream open.
class SinkCueOutput : public QObject, public CueOutput
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SinkCueOutput)

public:
    SinkCueOutput() = default;
    ~SinkCueOutput() override;

    void prepare() override;
    void play(const QByteArray &samples) override;
    void stop() override;

private:
    QAudioSink *m_sink = nullptr;
    QBuffer m_playing;
    quint64 m_started = 0; // cues started so far
};

class CueOutputPlugin : public QObject, public CueOutputFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AbacoloCueOutputFactory_iid FILE "cueoutput.json")
    Q_INTERFACES(abacolo::CueOutputFactory)

public:
    std::unique_ptr<CueOutput> createOutput() override;
};

} // namespace abacolo
