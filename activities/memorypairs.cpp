#include "activities/memorypairs.h"

#include "activities/countedthings.h"
#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TMemoryForm *MemoryForm = nullptr;

namespace {

constexpr int CardGap = 12;
const QColor NumeralColour(40, 40, 60);

// Columns of the board by its cards: 6 in three, 8 and more in four.
int columnsFor(int cards)
{
    return cards <= 6 ? 3 : 4;
}

// Cards as large as the stage lets four rows of them be.
QSize cardSizeFor(int cards)
{
    return cards <= 12 ? QSize(200, 160) : QSize(150, 120);
}

} // namespace

TMemoryForm::TMemoryForm(Services &services)
    : ActivityForm(u"MemoryForm"_s, u"memory"_s, MemoryLevels, services)
{
    for (int i = 0; i < MostCards; ++i) {
        auto *card = new StageButton(u"card"_s + QString::number(i + 1), stage);
        card->setFont(uiFont(72, true));
        card->hide();
        onEvent(card, &QAbstractButton::clicked, this, [this, i](auto &&...) { cardClick(i); });
        m_cards.at(size_t(i)) = card;
    }
}

void TMemoryForm::drawQuestion(RandomGenerator &random, int level)
{
    m_board = drawMemoryBoard(random, level);
    m_picture = m_services.pictures.picture(m_board.picture);
    const int count = int(m_board.cards.size());
    m_up = QList<bool>(count, false);
    m_matched = QList<bool>(count, false);
    m_firstTurned = -1;
    m_wrongTurns = 0;

    const int columns = columnsFor(count);
    const QSize cardSize = cardSizeFor(count);
    const int rows = (count + columns - 1) / columns;
    const int left = (stage->width() - columns * cardSize.width() - (columns - 1) * CardGap) / 2;
    const int top = (stage->height() - rows * cardSize.height() - (rows - 1) * CardGap) / 2;
    for (int i = 0; i < MostCards; ++i) {
        StageButton *card = m_cards.at(size_t(i));
        card->setMarked(false);
        card->setEnabled(true);
        if (i >= count) {
            card->hide();
            continue;
        }
        card->setGeometry(QRect(QPoint(left + i % columns * (cardSize.width() + CardGap),
                                       top + i / columns * (cardSize.height() + CardGap)),
                                cardSize));
        turn(i, false);
        card->show();
    }
    ask(u"翻牌，找一样多"_s, u"find_pairs"_s);
}

void TMemoryForm::turn(int i, bool up)
{
    m_up[i] = up;
    StageButton *card = m_cards.at(size_t(i));
    if (!up) {
        card->setFaceColor(StagePalette::Blue);
        card->setTextColor(Qt::white);
        card->setText(u"?"_s);
        card->setContent({});
        return;
    }
    const MemoryCard &shown = m_board.cards.at(i);
    card->setFaceColor(StagePalette::Paper);
    if (shown.numeral) {
        card->setTextColor(NumeralColour);
        card->setText(QString::number(shown.number));
        card->setContent({});
    } else {
        card->setText(QString());
        const QPixmap picture = m_picture;
        const int count = shown.number;
        card->setContent([picture, count](QPainter &painter, const QRectF &area) {
            paintCountedGroup(painter, area, picture, count);
        });
    }
}

QString TMemoryForm::describe(int i) const
{
    const MemoryCard &card = m_board.cards.at(i);
    return card.numeral ? u"数字%1"_s.arg(card.number) : u"%1个图"_s.arg(card.number);
}

void TMemoryForm::cardClick(int i)
{
    if (i >= m_board.cards.size() || m_up.at(i) || m_matched.at(i))
        return;
    turn(i, true);
    if (m_firstTurned < 0) {
        m_firstTurned = i;
        return;
    }
    const int first = std::exchange(m_firstTurned, -1);
    const QString question = u"翻牌配对 %1对"_s.arg(m_board.pairs());
    const QString given = describe(first) + u" 和 "_s + describe(i);
    if (cardsPair(m_board.cards.at(first), m_board.cards.at(i))) {
        record(question, given, true);
        for (const int kept : {first, i}) {
            m_matched[kept] = true;
            m_cards.at(size_t(kept))->setEnabled(false);
        }
        flagAndCheer();
        if (cleared())
            boardCleared();
        return;
    }
    record(question, given, false);
    ++m_wrongTurns;
    const bool showsAnswer = wrongCueShowsAnswer();
    m_services.clock.hold(PauseOnMismatch);
    turn(first, false);
    turn(i, false);
    if (!showsAnswer)
        return;
    showAnswer();
    if (cleared())
        boardCleared();
}

int TMemoryForm::unmatchedPartner(int i) const
{
    for (int j = 0; j < m_board.cards.size(); ++j) {
        if (j != i && cardsPair(m_board.cards.at(i), m_board.cards.at(j)))
            return j;
    }
    return -1;
}

void TMemoryForm::showAnswer()
{
    // One pair still face down turns up, marked, and stays.
    for (int i = 0; i < m_board.cards.size(); ++i) {
        if (m_matched.at(i))
            continue;
        const int partner = unmatchedPartner(i);
        for (const int kept : {i, partner}) {
            turn(kept, true);
            m_matched[kept] = true;
            m_cards.at(size_t(kept))->setMarked(true);
            m_cards.at(size_t(kept))->setEnabled(false);
        }
        return;
    }
}

bool TMemoryForm::cleared() const
{
    return !m_matched.contains(false);
}

void TMemoryForm::boardCleared()
{
    stepLadder(boardWentWell(m_board.pairs(), m_wrongTurns));
    m_services.clock.hold(PauseAfterRight);
    newQuestion();
}

} // namespace abacolo
