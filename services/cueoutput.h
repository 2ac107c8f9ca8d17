#pragma once

#include <QByteArray>
#include <QtPlugin>

#include <memory>

namespace abacolo {

// The one sample format of the cue service, which the clips are decoded into and the output
// plays: 44 100 Hz, stereo, 16-bit.
inline constexpr int CueRate = 44100;
inline constexpr int CueChannels = 2;
inline constexpr int CueFrameBytes = CueChannels * 2;

// The sound output of the cue service. It lives in a module of its own (the system's sound
// libraries come with it), loaded when sound is first wanted rather than at start-up.
class CueOutput
{
public:
    virtual ~CueOutput() = default;
    // Readies the system's sound service, so that the first cue starts as promptly as the next.
    virtual void prepare() = 0;
    // Plays `samples` (in the cue format above) from the start, cutting off what plays now.
    // Without an audio device nothing sounds.
    virtual void play(const QByteArray &samples) = 0;
    // Stops what plays now.
    virtual void stop() = 0;
};

class CueOutputFactory
{
public:
    virtual ~CueOutputFactory() = default;
    virtual std::unique_ptr<CueOutput> createOutput() = 0;
};

} // namespace abacolo

#define AbacoloCueOutputFactory_iid "org.abacolo.CueOutputFactory/1"
Q_DECLARE_INTERFACE(abacolo::CueOutputFactory, AbacoloCueOutputFactory_iid)
