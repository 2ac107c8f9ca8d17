#pragma once

#include "activities/activityform.h"
#include "activities/memoryrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The memory game "智力游戏": face-down cards, each numeral paired with a card of that many
// pictures; the child turns two at a time and keeps the pairs that match. Each pair of turns
// is an answer: a match earns a flag, two cards that do not pair turn back after a moment.
// A cleared board brings the next one.
class TMemoryForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMemoryForm)

public:
    explicit TMemoryForm(Services &services);

    static constexpr int MostCards = 16;
    // How long two cards that do not pair stay up.
    static constexpr int PauseOnMismatch = 1200;

    const MemoryBoard &board() const { return m_board; }
    StageButton *card(int i) const { return m_cards.at(size_t(i)); }
    bool faceUp(int i) const { return m_up.at(i); }
    bool matched(int i) const { return m_matched.at(i); }

    void cardClick(int i);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void turn(int i, bool up);
    QString describe(int i) const;
    int unmatchedPartner(int i) const;
    bool cleared() const;
    void boardCleared();

    MemoryBoard m_board;
    std::array<StageButton *, MostCards> m_cards{};
    QList<bool> m_up;
    QList<bool> m_matched;
    int m_firstTurned = -1;
    int m_wrongTurns = 0;
    QPixmap m_picture;
};

extern TMemoryForm *MemoryForm;

} // namespace abacolo
