#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace abacolo::swf {

// Action codes movies use for frames and buttons.
enum class ActionCode : std::uint8_t {
    End = 0x00,
    NextFrame = 0x04,
    PreviousFrame = 0x05,
    Play = 0x06,
    Stop = 0x07,
    Subtract = 0x0B,
    Multiply = 0x0C,
    Not = 0x12,
    GetVariable = 0x1C,
    SetVariable = 0x1D,
    RandomNumber = 0x30,
    Modulo = 0x3F,
    Add2 = 0x47,
    Less2 = 0x48,
    GotoFrame = 0x81,  // two bytes of data: the zero-based frame number
    SetTarget = 0x8B,  // a string: the clip the following actions address ("" is back home)
    Push = 0x96,
    Jump = 0x99,
    If = 0x9D,
    GotoFrame2 = 0x9F, // the frame (one-based) from the stack; one byte of flags
};

// A list of timeline actions, run in order. Besides the simple frame actions it holds
// small stack programs: values are pushed, operations take them off and push results.
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

    Actions &push(int value);
    Actions &push(const QString &text);
    Actions &getVariable() { return simple(ActionCode::GetVariable); }    // name → value
    Actions &setVariable() { return simple(ActionCode::SetVariable); }    // name, value →
    Actions &random() { return simple(ActionCode::RandomNumber); }        // n → 0 … n-1
    Actions &add() { return simple(ActionCode::Add2); }
    Actions &subtract() { return simple(ActionCode::Subtract); }
    Actions &multiply() { return simple(ActionCode::Multiply); }
    Actions &modulo() { return simple(ActionCode::Modulo); }
    Actions &less() { return simple(ActionCode::Less2); }                 // a, b → a < b
    Actions &logicalNot() { return simple(ActionCode::Not); }
    // Goes to the frame on the stack (one-based, as a movie's own scripts count them).
    Actions &gotoPoppedFrame(bool andPlay = false);
    Actions &setTarget(const QString &clip);
    // Branches to a label set later (or earlier) in this list; ifTrue pops the condition.
    Actions &ifTrue(const QString &label);
    Actions &jump(const QString &label);
    Actions &label(const QString &name);

    // Shorthands: variable = value on the stack; push a variable's value.
    Actions &setVariableTo(const QString &name, const Actions &value);
    Actions &variable(const QString &name) { return push(name).getVariable(); }

    bool isEmpty() const { return m_bytes.isEmpty(); }
    // The action records followed by the end-of-actions mark. Throws std::invalid_argument
    // for a branch to a label that is not set.
    QByteArray encode() const;

private:
    Actions &simple(ActionCode code);
    Actions &withData(ActionCode code, const QByteArray &data);
    Actions &branch(ActionCode code, const QString &label);

    QByteArray m_bytes;
    std::map<QString, int> m_labels;                    // label → offset of the next action
    std::vector<std::pair<int, QString>> m_branches;    // offset of a branch's data → label
};

} // namespace abacolo::swf
