#pragma once

#include <QStringList>

class QPainter;
class QPixmap;
class QRectF;

namespace abacolo {

// The fruit and small animals that the activities count, pair and share: one picture each,
// carried by the program under these names.
QStringList countedThings();
// The fruit among them: what goes on a plate or a balance.
QStringList fruits();
// The Chinese name of one of them ("苹果"), as a parent reads it in the answer log.
QString countedThingName(const QString &thing);

// Paints `count` (up to nine) of one picture in rows of three, centred in `area`; each
// keeps its shape.
void paintCountedGroup(QPainter &painter, const QRectF &area, const QPixmap &picture, int count);

} // namespace abacolo
