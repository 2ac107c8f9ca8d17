#include "toolkit/skin.h"

#include "toolkit/form.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// Real skins are a few kilobytes; anything past this is refused like a broken file.
constexpr qint64 MaxSkinBytes = 256 * 1024;

bool readInt(const QString &text, int min, int max, int &out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return false;
    out = value;
    return true;
}

bool readColour(const QString &text, QColor &out)
{
    const QColor colour = QColor::fromString(text);
    if (!colour.isValid())
        return false;
    out = colour;
    return true;
}

bool applyFrameKey(Skin &skin, const QString &key, const QString &value)
{
    if (key == u"title-height")
        return readInt(value, 16, 64, skin.titleHeight);
    if (key == u"border-width")
        return readInt(value, 0, 10, skin.borderWidth);
    if (key == u"corner-radius")
        return readInt(value, 0, 40, skin.cornerRadius);
    if (key == u"title-top")
        return readColour(value, skin.titleTop);
    if (key == u"title-bottom")
        return readColour(value, skin.titleBottom);
    if (key == u"title-text")
        return readColour(value, skin.titleText);
    if (key == u"border")
        return readColour(value, skin.border);
    if (key == u"close-box")
        return readColour(value, skin.closeBox);
    return false;
}

} // namespace

bool Skin::read(const QString &path, Skin &skin)
{
    // Eleven windows read the same file at start-up: parse it once per path.
    static QHash<QString, std::optional<Skin>> cache;
    const QFileInfo info(path);
    const QString key = path % u'|' % QString::number(info.size()) % u'|'
        % QString::number(info.lastModified().toMSecsSinceEpoch());
    if (const auto it = cache.constFind(key); it != cache.constEnd()) {
        if (!it->has_value())
            return false;
        skin = **it;
        return true;
    }

    auto parse = [&path]() -> std::optional<Skin> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        // Every skinned window parses the style sheet again: a huge one would eat the machine.
        // Read at most one byte past the limit, so a file without end is refused too.
        const QByteArray content = file.read(MaxSkinBytes + 1);
        if (content.size() > MaxSkinBytes)
            return std::nullopt;
        Skin parsed;
        QString section;
        QStringList style;
        bool sawFrame = false;
        QTextStream in(content);
        while (!in.atEnd()) {
            const QString raw = in.readLine();
            const QString line = raw.trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                section = line.mid(1, line.size() - 2).trimmed();
                if (section != u"frame" && section != u"style")
                    return std::nullopt;
                sawFrame = sawFrame || section == u"frame";
                continue;
            }
            if (section == u"style") {
                style.append(raw);
                continue;
            }
            if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
                continue;
            const qsizetype eq = line.indexOf(u'=');
            if (section != u"frame" || eq <= 0)
                return std::nullopt;
            if (!applyFrameKey(parsed, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()))
                return std::nullopt;
        }
        if (!sawFrame)
            return std::nullopt;
        parsed.styleSheet = style.join(u'\n');
        return parsed;
    };

    const std::optional<Skin> parsed = parse();
    cache.insert(key, parsed);
    if (!parsed)
        return false;
    skin = *parsed;
    return true;
}

FileTheme::FileTheme(Form *form)
    : QObject(form), m_form(form)
{
    setObjectName(u"suiFileTheme1"_s);
}

void FileTheme::setThemeFile(const QString &path)
{
    m_file = path;
    Skin skin;
    if (Skin::read(path, skin))
        m_form->applySkin(skin);
}

} // namespace abacolo
