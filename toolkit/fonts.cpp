#include "toolkit/fonts.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {
const QString SongFamily = u"SimSun"_s;
const QString UiFamily = u"Noto Sans CJK SC"_s;
} // namespace

void installFontSubstitutes()
{
    const QStringList song{u"Noto Serif CJK SC"_s, u"Noto Sans CJK SC"_s};
    QFont::insertSubstitutions(SongFamily, song);
    QFont::insertSubstitutions(u"宋体"_s, song);
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
