#include "sheets/colourtext.h"

#include <array>

namespace abacolo {

namespace {

// A colour's 32-bit value: $00BBGGRR for a colour of its own, $FF000000 plus an index for a
// colour of the desktop, and two values of their own for "no colour" and "the default colour".
constexpr quint32 SystemColour = 0xFF000000u;
constexpr quint32 NoColour = 0x1FFFFFFFu;
constexpr quint32 DefaultColour = 0x20000000u;

struct NamedColour
{
    QStringView name;
    quint32 value;
};

constexpr std::array<NamedColour, 52> Names{{
    // The twenty fixed colours.
    {u"clBlack", 0x000000u},
    {u"clMaroon", 0x000080u},
    {u"clGreen", 0x008000u},
    {u"clOlive", 0x008080u},
    {u"clNavy", 0x800000u},
    {u"clPurple", 0x800080u},
    {u"clTeal", 0x808000u},
    {u"clGray", 0x808080u},
    {u"clSilver", 0xC0C0C0u},
    {u"clRed", 0x0000FFu},
    {u"clLime", 0x00FF00u},
    {u"clYellow", 0x00FFFFu},
    {u"clBlue", 0xFF0000u},
    {u"clFuchsia", 0xFF00FFu},
    {u"clAqua", 0xFFFF00u},
    {u"clWhite", 0xFFFFFFu},
    {u"clMoneyGreen", 0xC0DCC0u},
    {u"clSkyBlue", 0xF0CAA6u},
    {u"clCream", 0xF0FBFFu},
    {u"clMedGray", 0xA4A0A0u},
    // The thirty colours of the desktop, by their index.
    // cppcheck-suppress badBitmaskCheck ; "| 0" keeps index 0 in the form of the other rows
    {u"clScrollBar", SystemColour | 0},
    {u"clBackground", SystemColour | 1},
    {u"clActiveCaption", SystemColour | 2},
    {u"clInactiveCaption", SystemColour | 3},
    {u"clMenu", SystemColour | 4},
    {u"clWindow", SystemColour | 5},
    {u"clWindowFrame", SystemColour | 6},
    {u"clMenuText", SystemColour | 7},
    {u"clWindowText", SystemColour | 8},
    {u"clCaptionText", SystemColour | 9},
    {u"clActiveBorder", SystemColour | 10},
    {u"clInactiveBorder", SystemColour | 11},
    {u"clAppWorkSpace", SystemColour | 12},
    {u"clHighlight", SystemColour | 13},
    {u"clHighlightText", SystemColour | 14},
    {u"clBtnFace", SystemColour | 15},
    {u"clBtnShadow", SystemColour | 16},
    {u"clGrayText", SystemColour | 17},
    {u"clBtnText", SystemColour | 18},
    {u"clInactiveCaptionText", SystemColour | 19},
    {u"clBtnHighlight", SystemColour | 20},
    {u"cl3DDkShadow", SystemColour | 21},
    {u"cl3DLight", SystemColour | 22},
    {u"clInfoText", SystemColour | 23},
    {u"clInfoBk", SystemColour | 24},
    {u"clHotLight", SystemColour | 26},
    {u"clGradientActiveCaption", SystemColour | 27},
    {u"clGradientInactiveCaption", SystemColour | 28},
    {u"clMenuHighlight", SystemColour | 29},
    {u"clMenuBar", SystemColour | 30},
    // No colour, and the default colour.
    {u"clNone", NoColour},
    {u"clDefault", DefaultColour},
}};

// The desktop colour of an index, from the palette roles that play its part; nothing for an
// index that names no desktop colour.
std::optional<QColor> desktopColour(quint32 index, const QPalette &desktop)
{
    auto active = [&](QPalette::ColorRole role) { return desktop.color(QPalette::Active, role); };
    auto disabled = [&](QPalette::ColorRole role) {
        return desktop.color(QPalette::Disabled, role);
    };
    switch (index) {
    case 0: return active(QPalette::Mid);                       // scroll bar track
    case 1: return active(QPalette::Dark);                      // desktop background
    case 2: return active(QPalette::Highlight);                 // active title bar
    case 3: return disabled(QPalette::Highlight);               // inactive title bar
    case 4: return active(QPalette::Window);                    // menu
    case 5: return active(QPalette::Base);                      // window (edit) background
    case 6: return active(QPalette::Shadow);                    // window frame
    case 7: return active(QPalette::WindowText);                // menu text
    case 8: return active(QPalette::WindowText);                // window text
    case 9: return active(QPalette::HighlightedText);           // active title text
    case 10: return active(QPalette::Mid);                      // active border
    case 11: return active(QPalette::Midlight);                 // inactive border
    case 12: return active(QPalette::Dark);                     // application work space
    case 13: return active(QPalette::Highlight);                // selection
    case 14: return active(QPalette::HighlightedText);          // selected text
    case 15: return active(QPalette::Button);                   // button face
    case 16: return active(QPalette::Dark);                     // button shadow
    case 17: return disabled(QPalette::Text);                   // grey (disabled) text
    case 18: return active(QPalette::ButtonText);               // button text
    case 19: return disabled(QPalette::HighlightedText);        // inactive title text
    case 20: return active(QPalette::Light);                    // button highlight
    case 21: return active(QPalette::Shadow);                   // dark 3-D shadow
    case 22: return active(QPalette::Midlight);                 // 3-D light
    case 23: return active(QPalette::ToolTipText);              // tool tip text
    case 24: return active(QPalette::ToolTipBase);              // tool tip background
    case 26: return active(QPalette::Link);                     // hot-tracked item
    case 27: return active(QPalette::Highlight).lighter(140);   // active title gradient
    case 28: return disabled(QPalette::Highlight).lighter(140); // inactive title gradient
    case 29: return active(QPalette::Highlight);                // menu selection
    case 30: return active(QPalette::Window);                   // menu bar
    default: return std::nullopt;
    }
}

QColor colourOfValue(quint32 value, const QPalette &desktop)
{
    if (value == NoColour)
        return QColor(255, 255, 255);
    if (value == DefaultColour)
        return desktop.color(QPalette::Active, QPalette::Button);
    if ((value & 0xFF000000u) == SystemColour) {
        if (const auto colour = desktopColour(value & 0x00FFFFFFu, desktop))
            return *colour;
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// A whole number in the 32-bit range: decimal from −2147483648 to 2147483647, or "$" and up
// to $FFFFFFFF, either with a sign.
std::optional<quint32> numberOf(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const qint64 limit = base == 16 ? qint64(0xFFFFFFFF) : (negative ? qint64(1) << 31
                                                                     : (qint64(1) << 31) - 1);
    qint64 magnitude = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<quint32>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<QColor> colourFromText(const QString &text, const QPalette &desktop)
{
    const QStringView trimmed = QStringView(text).trimmed();
    for (const NamedColour &named : Names) {
        if (trimmed.compare(named.name, Qt::CaseInsensitive) == 0)
            return colourOfValue(named.value, desktop);
    }
    if (const auto value = numberOf(trimmed))
        return colourOfValue(*value, desktop);
    return std::nullopt;
}

} // namespace abacolo
