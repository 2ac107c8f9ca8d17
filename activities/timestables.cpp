#include "activities/timestables.h"

#include "activities/countedthings.h"
#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

TTimesTablesForm *TimesTablesForm = nullptr;

namespace {

// The triangle fills the stage; its empty upper right holds the groups and the numbers.
constexpr int CellWidth = 112;
constexpr int CellHeight = 59;
constexpr int ChoiceGap = 8;
constexpr int CaptionHeight = 52; // "3 × 4 = 12" above the groups

const QColor CardText(40, 40, 52);
const QColor GroupFace(58, 60, 72);

int cardIndex(int first, int second)
{
    return (second - 1) * second / 2 + first - 1;
}

// Each row a soft colour of its own, so the tables read as rows.
QColor rowFace(int second)
{
    return QColor::fromHsv(190 + 14 * (second - 1), 42, 244);
}

StageButton::Content cardText(const QString &text, const QColor &colour)
{
    return [text, colour](QPainter &painter, const QRectF &area) {
        // The longest rhymes need the face's whole width.
        painter.setFont(uiFont(18, true));
        painter.setPen(colour);
        painter.drawText(area.adjusted(-10, 0, 10, 0), Qt::AlignCenter, text);
    };
}

// "3 × 4 = 12" centred in `area`, the product red as the counted numbers are.
void paintCaption(QPainter &painter, const QRectF &area, const TimesFact &fact, bool withProduct)
{
    const QString sum = u"%1 × %2 = "_s.arg(fact.first).arg(fact.second);
    const QString product = withProduct ? QString::number(fact.product()) : u"?"_s;
    painter.setFont(uiFont(40, true));
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(sum) + metrics.horizontalAdvance(product);
    QRectF line = area;
    line.setLeft(area.center().x() - width / 2);
    painter.setPen(Qt::white);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, sum);
    line.setLeft(line.left() + metrics.horizontalAdvance(sum));
    painter.setPen(withProduct ? StagePalette::CountText : QColor(Qt::white));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, product);
}

// `groups` boxes of `size` pictures each.
void paintGroups(QPainter &painter, const QRectF &area, const QPixmap &picture, int groups,
                 int size)
{
    for (const QRectF &box : groupBoxes(area, groups)) {
        const QRectF face = box.adjusted(3, 3, -3, -3);
        painter.setPen(QPen(GroupFace.lighter(160), 1.5));
        painter.setBrush(GroupFace);
        painter.drawRoundedRect(face, 10, 10);
        paintCountedGroup(painter, face.adjusted(3, 3, -3, -3), picture, size);
    }
}

} // namespace

TTimesTablesForm::TTimesTablesForm(Services &services)
    : ActivityForm(u"TimesTablesForm"_s, u"times_tables"_s, TimesTablesLevels, services)
{
    const int left = (stage->width() - LargestTable * CellWidth) / 2;
    const int top = (stage->height() - LargestTable * CellHeight) / 2;
    for (const TimesFact &fact : timesTable(LargestTable)) {
        auto *card = new StageButton(u"card_%1_%2"_s.arg(fact.first).arg(fact.second), stage);
        card->setGeometry(left + (fact.first - 1) * CellWidth, top + (fact.second - 1) * CellHeight,
                          CellWidth, CellHeight);
        onEvent(card, &QAbstractButton::clicked, this,
                [this, fact](auto &&...) { cardClick(fact); });
        m_cards.at(size_t(cardIndex(fact.first, fact.second))) = card;
    }

    // Above the fourth row the triangle leaves five cells free: the groups; beside the
    // fifth to seventh rows two: the numbers, two by two.
    m_groupsView = new StageButton(u"groupsView"_s, stage);
    m_groupsView->setAttribute(Qt::WA_TransparentForMouseEvents); // shown, not clicked
    m_groupsView->setCursor(Qt::ArrowCursor);
    m_groupsView->setGeometry(left + 4 * CellWidth + ChoiceGap, top, 5 * CellWidth - ChoiceGap,
                              4 * CellHeight - ChoiceGap / 2);
    const int choiceWidth = (2 * CellWidth - ChoiceGap) / 2;
    const int choiceHeight = (3 * CellHeight - ChoiceGap) / 2;
    for (int i = 0; i < TimesTablesQuestion::ChoiceCount; ++i) {
        auto *choice = new StageButton(u"choice"_s + QString::number(i + 1), stage);
        choice->setGeometry(left + 7 * CellWidth + ChoiceGap + (i % 2) * choiceWidth,
                            top + 4 * CellHeight + ChoiceGap / 2 + (i / 2) * choiceHeight,
                            choiceWidth, choiceHeight);
        choice->setFont(uiFont(48, true));
        onEvent(choice, &QAbstractButton::clicked, this, [this, i](auto &&...) { choiceClick(i); });
        m_choices.at(size_t(i)) = choice;
    }
}

StageButton *TTimesTablesForm::card(int first, int second) const
{
    return m_cards.at(size_t(cardIndex(first, second)));
}

void TTimesTablesForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawTimesTablesQuestion(random, level);
    m_revealed = false;
    for (const TimesFact &fact : timesTable(LargestTable))
        paintCard(fact);
    for (int i = 0; i < TimesTablesQuestion::ChoiceCount; ++i) {
        m_choices.at(size_t(i))->setMarked(false);
        m_choices.at(size_t(i))->setText(QString::number(m_question.choices.at(size_t(i))));
    }
    showGroups(m_question.fact, false);
    ask(m_question.fact.request(), m_question.fact.requestClip());
}

void TTimesTablesForm::paintCard(const TimesFact &fact)
{
    StageButton *shown = card(fact.first, fact.second);
    const bool hidden = isHidden(fact);
    const bool lit = fact == m_shown && !hidden;
    shown->setMarked(fact == m_question.fact);
    shown->setFaceColor(hidden ? StagePalette::DarkFace : lit ? StagePalette::LitFace : rowFace(fact.second));
    shown->setContent(hidden ? cardText(fact.hidden(), Qt::white)
                             : cardText(fact.rhyme(), lit ? StagePalette::CountText : CardText));
}

void TTimesTablesForm::showGroups(const TimesFact &fact, bool withProduct)
{
    const TimesFact before = m_shown;
    m_shown = fact;
    m_productShown = withProduct;
    paintCard(before);
    paintCard(fact);
    const QPixmap picture = m_services.pictures.picture(m_question.picture);
    m_groupsView->setContent([picture, fact, withProduct](QPainter &painter, const QRectF &area) {
        paintCaption(painter, area.adjusted(0, 0, 0, CaptionHeight - area.height()), fact,
                     withProduct);
        paintGroups(painter, area.adjusted(0, CaptionHeight, 0, 0), picture, fact.first,
                    fact.second);
    });
}

void TTimesTablesForm::cardClick(const TimesFact &fact)
{
    // The hidden card asks its question again; an open one says its rhyme.
    const bool hidden = isHidden(fact);
    m_services.cues.PlayCue(hidden ? fact.requestClip() : fact.rhymeClip());
    showGroups(fact, !hidden);
}

void TTimesTablesForm::reveal()
{
    m_revealed = true;
    showGroups(m_question.fact, true);
}

void TTimesTablesForm::choiceClick(int i)
{
    const int given = m_question.choices.at(size_t(i));
    const bool right = i == m_question.answerIndex();
    if (right) {
        m_choices.at(size_t(i))->setMarked(true);
        reveal();
    } else {
        showGroups(m_question.fact, false); // back to the groups to count, after a look round
    }
    answered(m_question.fact.text(), QString::number(given), right);
}

void TTimesTablesForm::showAnswer()
{
    m_choices.at(size_t(m_question.answerIndex()))->setMarked(true);
    reveal();
}

} // namespace abacolo
