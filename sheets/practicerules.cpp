#include "sheets/practicerules.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace abacolo {

std::optional<size_t> snapBox(const QRect &control, std::span<const QRect> boxes, int line)
{
    if (!(control.y() < line))
        return std::nullopt;
    const int centre = (2 * control.x() + control.width()) / 2;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].x() < centre && centre < boxes[i].x() + boxes[i].width())
            return i;
    }
    return std::nullopt;
}

int orderScore(std::span<const QPoint> pictures, std::span<const int> boxLefts, int line)
{
    int score = 0;
    for (size_t k = 0; k < pictures.size() && k < boxLefts.size(); ++k)
        score += standsIn(pictures[k], boxLefts[k], line) ? 20 : 0;
    return score;
}

int colourScore(std::span<const QPoint> tiles, std::span<const int> boxLefts, int line)
{
    int score = 0;
    for (size_t i = 0; i < tiles.size() && i < boxLefts.size(); ++i) {
        if (standsIn(tiles[i], boxLefts[i], line))
            score += i + 1 == tiles.size() ? 16 : 14;
    }
    return score;
}

QString arrangementText(std::span<const QPoint> controls, std::span<const int> boxLefts, int line)
{
    QList<int> fromLeft(boxLefts.begin(), boxLefts.end());
    std::sort(fromLeft.begin(), fromLeft.end());
    QString text;
    for (const int left : fromLeft) {
        QString in = u"·"_s;
        for (size_t i = 0; i < controls.size(); ++i) {
            if (standsIn(controls[i], left, line)) {
                in = QString::number(i + 1);
                break;
            }
        }
        text += in;
    }
    return text;
}

} // namespace abacolo
