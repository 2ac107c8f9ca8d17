#pragma once

#include <QByteArray>

#include <cstdint>

namespace abacolo::swf {

// Action codes of the simple actions movies use for frames and buttons.
enum class ActionCode : std::uint8_t {
    End = 0x00,
    NextFrame = 0x04,
    PreviousFrame = 0x05,
    Play = 0x06,
    Stop = 0x07,
    GotoFrame = 0x81, // two bytes of data: the zero-based frame number
};

// A list of timeline actions, run in order.
class Actions
{
public:
    Actions &stop() { return simple(ActionCode::Stop); }
    Actions &play() { return simple(ActionCode::Play); }
    Actions &nextFrame() { return simple(ActionCode::NextFrame); }
    Actions &previousFrame() { return simple(ActionCode::PreviousFrame); }
    // Goes to a frame (zero-based) and stops there; follow with play() to run on.
    Actions &gotoFrame(int frame);
    // Goes to a frame and plays from it.
    Actions &gotoAndPlay(int frame) { return gotoFrame(frame).play(); }

    bool isEmpty() const { return m_bytes.isEmpty(); }
    // The action records followed by the end-of-actions mark.
    QByteArray encode() const;

private:
    Actions &simple(ActionCode code);
    QByteArray m_bytes;
};

} // namespace abacolo::swf
