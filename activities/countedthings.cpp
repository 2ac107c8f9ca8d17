#include "activities/countedthings.h"

#include <QHash>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

QStringList countedThings()
{
    return {u"apple"_s, u"orange"_s, u"strawberry"_s, u"pear"_s,     u"peach"_s,
            u"lemon"_s, u"chick"_s,  u"fish"_s,       u"ladybird"_s, u"butterfly"_s};
}

QStringList fruits()
{
    return countedThings().mid(0, 6);
}

QString countedThingName(const QString &thing)
{
    static const QHash<QString, QString> names{
        {u"apple"_s, u"苹果"_s}, {u"orange"_s, u"橙子"_s},    {u"strawberry"_s, u"草莓"_s},
        {u"pear"_s, u"梨"_s},    {u"peach"_s, u"桃子"_s},     {u"lemon"_s, u"柠檬"_s},
        {u"chick"_s, u"小鸡"_s}, {u"fish"_s, u"小鱼"_s},      {u"ladybird"_s, u"瓢虫"_s},
        {u"butterfly"_s, u"蝴蝶"_s}};
    return names.value(thing, thing);
}

void paintCountedGroup(QPainter &painter, const QRectF &area, const QPixmap &picture, int count)
{
    const int columns = std::min(count, 3);
    const int rows = (count + 2) / 3;
    const double cell = std::min(area.width() / 3, area.height() / std::max(rows, 2));
    const double side = cell * 0.86;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < count; ++i) {
        const int row = i / 3;
        const int inRow = row == rows - 1 ? count - row * 3 : columns;
        const double left = area.center().x() - inRow * cell / 2 + (i % 3) * cell;
        const double top = area.center().y() - rows * cell / 2 + row * cell;
        painter.drawPixmap(QRectF(left + (cell - side) / 2, top + (cell - side) / 2, side, side),
                           picture, QRectF(picture.rect()));
    }
}

} // namespace abacolo
