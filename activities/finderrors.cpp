#include "activities/finderrors.h"

#include "activities/countedthings.h"
#include "activities/stagebutton.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

TFindErrorsForm *FindErrorsForm = nullptr;

namespace {

constexpr int CardWidth = 226;
constexpr int CardHeight = 440;
constexpr int CardGap = 20;
constexpr int CardTop = 40; // on the stage

// The pictures of a card above its written line: a group alone, or the two groups of a sum
// or difference one above the other with the sign between; the pictures taken away are faint.
void paintCardPictures(QPainter &painter, const QRectF &area, const QPixmap &picture,
                       const ErrorCard &card)
{
    if (card.kind == ErrorCard::Kind::Group) {
        paintCountedGroup(painter, area, picture, card.first);
        return;
    }
    const double signHeight = 44;
    const double groupHeight = (area.height() - signHeight) / 2;
    const QRectF upper(area.left(), area.top(), area.width(), groupHeight);
    const QRectF sign(area.left(), upper.bottom(), area.width(), signHeight);
    const QRectF lower(area.left(), sign.bottom(), area.width(), groupHeight);
    paintCountedGroup(painter, upper, picture, card.first);
    painter.setPen(Qt::white);
    painter.setFont(uiFont(40, true));
    painter.drawText(sign, Qt::AlignCenter, card.kind == ErrorCard::Kind::Sum ? u"+"_s : u"-"_s);
    if (card.kind == ErrorCard::Kind::Difference)
        painter.setOpacity(0.35);
    paintCountedGroup(painter, lower, picture, card.second);
}

} // namespace

TFindErrorsForm::TFindErrorsForm(Services &services)
    : ActivityForm(u"FindErrorsForm"_s, u"finding_errors"_s, FindErrorsLevels, services)
{
    const int left = (stage->width() - FindErrorsQuestion::CardCount * CardWidth -
                      (FindErrorsQuestion::CardCount - 1) * CardGap) / 2;
    for (int i = 0; i < FindErrorsQuestion::CardCount; ++i) {
        auto *card = new StageButton(u"errorCard"_s + QString::number(i + 1), stage);
        card->setGeometry(left + i * (CardWidth + CardGap), CardTop, CardWidth, CardHeight);
        onEvent(card, &QAbstractButton::clicked, this, [this, i](auto &&...) { cardClick(i); });
        m_cards.at(size_t(i)) = card;
    }
}

void TFindErrorsForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawFindErrorsQuestion(random, level);
    const QPixmap picture = m_services.pictures.picture(m_question.picture);
    const bool pictures = m_question.pictures;
    for (int i = 0; i < FindErrorsQuestion::CardCount; ++i) {
        const ErrorCard card = m_question.cards.at(size_t(i));
        const bool group = card.kind == ErrorCard::Kind::Group;
        m_cards.at(size_t(i))->setMarked(false);
        m_cards.at(size_t(i))->setContent([picture, card, pictures, group](QPainter &painter,
                                                                            const QRectF &area) {
            // The written line stands at the foot, or alone in the middle without pictures.
            const double lineHeight = pictures ? (group ? 130 : 90) : area.height();
            const QRectF line(area.left(), area.bottom() - lineHeight, area.width(), lineHeight);
            if (pictures)
                paintCardPictures(painter, area.adjusted(0, 6, 0, -lineHeight), picture, card);
            painter.setOpacity(1);
            painter.setPen(Qt::white);
            if (group || pictures) {
                painter.setFont(uiFont(group ? 80 : card.text().size() > 10 ? 30 : 34, true));
                painter.drawText(line, Qt::AlignCenter, card.text());
                return;
            }
            // A written sum alone on its card: large, its result on a line of its own.
            QString text = card.text();
            text.replace(u" = "_s, u"\n= "_s);
            painter.setFont(uiFont(54, true));
            painter.drawText(line, Qt::AlignCenter, text);
        });
    }
    ask(u"哪张卡片错了？"_s, u"which_wrong"_s);
}

void TFindErrorsForm::cardClick(int i)
{
    const bool right = i == m_question.wrongIndex;
    if (right)
        m_cards.at(size_t(i))->setMarked(true);
    answered(m_question.text(), m_question.cards.at(size_t(i)).text(), right);
}

void TFindErrorsForm::showAnswer()
{
    m_cards.at(size_t(m_question.wrongIndex))->setMarked(true);
}

} // namespace abacolo
