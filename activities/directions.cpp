#include "activities/directions.h"

#include "activities/stagebutton.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

TDirectionsForm *DirectionsForm = nullptr;

namespace {

constexpr int SquareSide = 86;
constexpr int SquareGap = 4;
const QPoint GridOrigin(30, 43); // on the stage
constexpr int ArrowSide = 92;
constexpr int ArrowPadColumn = 810; // the up and down buttons' left edge
constexpr int ArrowPadRow = 186;    // the left and right buttons' top edge

const QColor SquareFace(38, 52, 44);
const QColor WalkedFace(60, 100, 70);

QPoint arrowPlace(Heading heading)
{
    switch (heading) {
    case Heading::Right:
        return {ArrowPadColumn + ArrowSide + 4, ArrowPadRow};
    case Heading::Left:
        return {ArrowPadColumn - ArrowSide - 4, ArrowPadRow};
    case Heading::Up:
        return {ArrowPadColumn, ArrowPadRow - ArrowSide - 4};
    case Heading::Down:
        break;
    }
    return {ArrowPadColumn, ArrowPadRow + ArrowSide + 4};
}

int squareIndex(QPoint at)
{
    return at.y() * DirectionsQuestion::Columns + at.x();
}

} // namespace

TDirectionsForm::TDirectionsForm(Services &services)
    : ActivityForm(u"DirectionsForm"_s, u"directions"_s, DirectionsLevels, services)
{
    for (int row = 0; row < DirectionsQuestion::Rows; ++row) {
        for (int column = 0; column < DirectionsQuestion::Columns; ++column) {
            const QPoint at(column, row);
            auto *square = new StageButton(u"square_%1_%2"_s.arg(column + 1).arg(row + 1), stage);
            square->setGeometry(QRect(GridOrigin + QPoint(column, row) * (SquareSide + SquareGap),
                                      QSize(SquareSide, SquareSide)));
            square->setFaceColor(SquareFace);
            onEvent(square, &QAbstractButton::clicked, this, [this, at](auto &&...) { squareClick(at); });
            m_squares.at(size_t(squareIndex(at))) = square;
        }
    }
    for (const Heading heading : {Heading::Right, Heading::Left, Heading::Up, Heading::Down}) {
        auto *arrow = new StageButton(u"arrow"_s + headingName(heading), stage);
        arrow->setGeometry(QRect(arrowPlace(heading), QSize(ArrowSide, ArrowSide)));
        arrow->setText(headingArrow(heading));
        arrow->setFont(uiFont(60, true));
        arrow->setFaceColor(QColor(40, 70, 120));
        onEvent(arrow, &QAbstractButton::clicked, this, [this, heading](auto &&...) { arrowClick(heading); });
        m_arrows.at(size_t(heading)) = arrow;
    }
}

StageButton *TDirectionsForm::square(QPoint at) const
{
    return m_squares.at(size_t(squareIndex(at)));
}

void TDirectionsForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawDirectionsQuestion(random, level);
    m_walk = ArrowWalk(m_question);
    m_walked = {m_question.start};
    for (StageButton *square : m_squares)
        square->setMarked(false);
    showGrid();
    ask(m_question.request(), m_question.clip());
}

void TDirectionsForm::showGrid()
{
    const QPixmap animal = m_services.pictures.picture(m_question.animal);
    for (int i = 0; i < int(m_squares.size()); ++i) {
        const QPoint at(i % DirectionsQuestion::Columns, i / DirectionsQuestion::Columns);
        StageButton *square = m_squares.at(size_t(i));
        square->setFaceColor(m_walked.contains(at) ? WalkedFace : SquareFace);
        if (at == m_walk.position()) {
            square->setContent([animal](QPainter &painter, const QRectF &area) {
                const double side = std::min(area.width(), area.height());
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawPixmap(QRectF(area.center().x() - side / 2, area.center().y() - side / 2,
                                          side, side),
                                   animal, QRectF(animal.rect()));
            });
        } else {
            square->setContent({});
        }
    }
}

void TDirectionsForm::squareClick(QPoint at)
{
    const bool right = at == m_question.goal();
    if (right)
        square(at)->setMarked(true);
    answered(m_question.request(), u"第%1行第%2格"_s.arg(at.y() + 1).arg(at.x() + 1), right);
}

void TDirectionsForm::arrowClick(Heading heading)
{
    const QString pressed = m_walk.pressedArrows() + headingArrow(heading);
    switch (m_walk.press(heading)) {
    case ArrowWalk::Outcome::Stepped:
        m_walked.append(m_walk.position());
        showGrid();
        break;
    case ArrowWalk::Outcome::Arrived:
        m_walked.append(m_walk.position());
        showGrid();
        square(m_walk.position())->setMarked(true);
        answered(m_question.request(), pressed, true);
        break;
    case ArrowWalk::Outcome::Wrong:
        answered(m_question.request(), pressed, false);
        break;
    }
}

void TDirectionsForm::showAnswer()
{
    square(m_question.goal())->setMarked(true);
}

} // namespace abacolo
