#include "activities/shapes.h"

#include "activities/shapedrawing.h"
#include "activities/stagebutton.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TShapesForm *ShapesForm = nullptr;

namespace {
constexpr int CardSide = 150;
constexpr int CardGap = 14;
constexpr int CardTop = 170; // on the stage
} // namespace

TShapesForm::TShapesForm(Services &services)
    : ActivityForm(u"ShapesForm"_s, u"shapes"_s, ShapeLevels, services)
{
    for (int i = 0; i < MostShapes; ++i) {
        auto *card = new StageButton(u"shapeCard"_s + QString::number(i + 1), stage);
        card->hide();
        onEvent(card, &QAbstractButton::clicked, this, [this, i](auto &&...) { shapeCardClick(i); });
        m_cards.at(size_t(i)) = card;
    }
}

void TShapesForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawShapeQuestion(random, level);
    const int count = int(m_question.items.size());
    const int left = (stage->width() - count * CardSide - (count - 1) * CardGap) / 2;
    for (int i = 0; i < MostShapes; ++i) {
        StageButton *card = m_cards.at(size_t(i));
        card->setMarked(false);
        if (i >= count) {
            card->hide();
            continue;
        }
        const ShapeItem item = m_question.items.at(i);
        card->setGeometry(left + i * (CardSide + CardGap), CardTop, CardSide, CardSide);
        card->setContent([item](QPainter &painter, const QRectF &area) { paintShape(painter, item, area); });
        card->show();
    }
    const ShapeKind asked = m_question.asked;
    ask(u"找一找"_s + shapeName(asked), shapeClip(asked));
}

void TShapesForm::shapeCardClick(int i)
{
    if (i >= m_question.items.size())
        return;
    const bool right = i == m_question.answerIndex();
    if (right)
        m_cards.at(size_t(i))->setMarked(true);
    answered(request(), shapeName(m_question.items.at(i).kind), right);
}

void TShapesForm::showAnswer()
{
    m_cards.at(size_t(m_question.answerIndex()))->setMarked(true);
}

} // namespace abacolo
