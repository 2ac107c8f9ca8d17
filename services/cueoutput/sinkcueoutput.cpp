#include "services/cueoutput/sinkcueoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

namespace abacolo {

namespace {

// A cue whose samples have all been handed over still sounds for what the sink has queued:
// the stream is released this long after that.
constexpr int ReleaseMarginMs = 200;

QAudioFormat outputFormat()
{
    QAudioFormat format;
    format.setSampleRate(CueRate);
    format.setChannelCount(CueChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

SinkCueOutput::~SinkCueOutput()
{
    if (m_sink)
        m_sink->stop();
}

void SinkCueOutput::prepare()
{
    // The first question for a device starts Qt Multimedia's back end and its connection to
    // the sound server.
    QMediaDevices::defaultAudioOutput();
}

void SinkCueOutput::stop()
{
    // A sink is not started twice: each cue gets a new one, the old one goes.
    if (m_sink) {
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    m_playing.close();
}

void SinkCueOutput::play(const QByteArray &samples)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    // The sink's own buffer size: a small one set by hand can leave the stream silent.
    m_sink = new QAudioSink(device, outputFormat(), this);
    const quint64 cue = ++m_started;
    connect(m_sink, &QAudioSink::stateChanged, this, [this, cue](QAudio::State state) {
        if (state != QAudio::IdleState || !m_sink || m_started != cue)
            return;
        // Every sample has been handed over: let the queued part sound, then close the
        // stream, unless another cue has started meanwhile.
        const int queuedMs = int(m_sink->bufferSize() * qint64(1000) / (CueRate * CueFrameBytes));
        QTimer::singleShot(queuedMs + ReleaseMarginMs, this, [this, cue] {
            if (m_sink && m_sink->state() == QAudio::IdleState && m_started == cue)
                stop();
        });
    });
    m_playing.setData(samples);
    m_playing.open(QIODevice::ReadOnly);
    m_sink->start(&m_playing);
}

std::unique_ptr<CueOutput> CueOutputPlugin::createOutput()
{
    return std::make_unique<SinkCueOutput>();
}

} // namespace abacolo
