#include "tools/swf/actions.h"

#include <stdexcept>

namespace abacolo::swf {

namespace {
// Value types of a pushed value.
constexpr char kPushString = 0;
constexpr char kPushInteger = 7;
} // namespace

Actions &Actions::simple(ActionCode code)
{
    m_bytes.append(char(code));
    return *this;
}

Actions &Actions::withData(ActionCode code, const QByteArray &data)
{
    if (data.size() > 0xFFFF)
        throw std::range_error("action data too long");
    m_bytes.append(char(code));
    m_bytes.append(char(data.size() & 0xFF)).append(char(data.size() >> 8));
    m_bytes.append(data);
    return *this;
}

Actions &Actions::gotoFrame(int frame)
{
    if (frame < 0 || frame > 0xFFFF)
        throw std::range_error("frame number out of range");
    QByteArray data;
    data.append(char(frame & 0xFF)).append(char(frame >> 8));
    return withData(ActionCode::GotoFrame, data);
}

Actions &Actions::push(int value)
{
    QByteArray data(1, kPushInteger);
    const auto v = std::uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8)
        data.append(char((v >> shift) & 0xFF));
    return withData(ActionCode::Push, data);
}

Actions &Actions::push(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.contains('\0'))
        throw std::invalid_argument("a pushed string cannot hold a NUL character");
    return withData(ActionCode::Push, QByteArray(1, kPushString) + utf8 + '\0');
}

Actions &Actions::gotoPoppedFrame(bool andPlay)
{
    return withData(ActionCode::GotoFrame2, QByteArray(1, char(andPlay ? 1 : 0)));
}

Actions &Actions::setTarget(const QString &clip)
{
    const QByteArray utf8 = clip.toUtf8();
    if (utf8.contains('\0'))
        throw std::invalid_argument("a clip name cannot hold a NUL character");
    return withData(ActionCode::SetTarget, utf8 + '\0');
}

Actions &Actions::branch(ActionCode code, const QString &label)
{
    withData(code, QByteArray(2, '\0'));
    m_branches.emplace_back(int(m_bytes.size()) - 2, label);
    return *this;
}

Actions &Actions::ifTrue(const QString &label)
{
    return branch(ActionCode::If, label);
}

Actions &Actions::jump(const QString &label)
{
    return branch(ActionCode::Jump, label);
}

Actions &Actions::label(const QString &name)
{
    if (!m_labels.emplace(name, int(m_bytes.size())).second)
        throw std::invalid_argument("label set twice: " + name.toStdString());
    return *this;
}

Actions &Actions::setVariableTo(const QString &name, const Actions &value)
{
    if (!value.m_branches.empty() || !value.m_labels.empty())
        throw std::invalid_argument("a value cannot branch");
    push(name);
    m_bytes.append(value.m_bytes);
    return setVariable();
}

QByteArray Actions::encode() const
{
    QByteArray out = m_bytes;
    for (const auto &[at, label] : m_branches) {
        const auto target = m_labels.find(label);
        if (target == m_labels.end())
            throw std::invalid_argument("branch to a label that is not set: " + label.toStdString());
        // The offset counts from the end of the branch action, whose data ends at at + 2.
        const int offset = target->second - (at + 2);
        if (offset < -32768 || offset > 32767)
            throw std::range_error("branch too far");
        out[at] = char(offset & 0xFF);
        out[at + 1] = char((offset >> 8) & 0xFF);
    }
    out.append(char(ActionCode::End));
    return out;
}

} // namespace abacolo::swf
