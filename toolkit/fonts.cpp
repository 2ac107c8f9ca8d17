#include "toolkit/fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QLabel>
#include <QResource>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {
const QString SongFamily = u"SimSun"_s;
const QString UiFamily = u"Abacolo Sans CJK SC"_s;
const QString SerifFamily = u"Abacolo Serif CJK SC"_s;
const QString SystemSans = u"Noto Sans CJK SC"_s;
const QString SystemSerif = u"Noto Serif CJK SC"_s;
} // namespace

QString programSansFamily()
{
    return UiFamily;
}

QString programSerifFamily()
{
    return SerifFamily;
}

void installFontSubstitutes()
{
    const QStringList song{SerifFamily, SystemSerif, SystemSans};
    QFont::insertSubstitutions(SongFamily, song);
    QFont::insertSubstitutions(u"宋体"_s, song);
    QFont::insertSubstitution(UiFamily, SystemSans);
    QFont::insertSubstitutions(SerifFamily, {SystemSerif, SystemSans});
}

bool registerProgramFaces()
{
    bool all = true;
    QDirIterator it(u":/faces"_s, {u"*.otf"_s}, QDir::Files);
    while (it.hasNext()) {
        // Used in place: the resource is stored uncompressed in the program's own pages.
        const QResource face(it.next());
        const QByteArray data =
            face.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char *>(face.data()), face.size())
                : face.uncompressedData();
        all = QFontDatabase::addApplicationFontFromData(data) >= 0 && all;
    }
    return all;
}

QFont songFont(int pixelSize, bool bold)
{
    QFont font(SongFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(UiFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, QPoint at,
                  const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace abacolo
