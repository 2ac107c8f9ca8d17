#include "activities/clock.h"

#include "activities/clockface.h"
#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

using namespace Qt::StringLiterals;

namespace abacolo {

TClockForm *ClockForm = nullptr;

namespace {
const QRect FacePlace(90, 40, 450, 450);
constexpr int ChoiceLeft = 640;
constexpr std::array<int, 3> ChoiceTops{50, 205, 360};
const QSize ChoiceSize(280, 120);
} // namespace

TClockForm::TClockForm(Services &services)
    : ActivityForm(u"ClockForm"_s, u"clock"_s, ClockLevels, services)
    , clockFace(new ClockFace(u"clockFace"_s, stage))
    , doneButton(new StageButton(u"doneButton"_s, stage))
{
    clockFace->setGeometry(FacePlace);
    for (int i = 0; i < 3; ++i) {
        auto *choice = new StageButton(u"choice"_s + QString::number(i + 1), stage);
        choice->setGeometry(QRect(QPoint(ChoiceLeft, ChoiceTops.at(size_t(i))), ChoiceSize));
        choice->setFont(uiFont(56, true));
        onEvent(choice, &QAbstractButton::clicked, this, [this, i](auto &&...) { choiceClick(i); });
        m_choices.at(size_t(i)) = choice;
    }
    doneButton->setGeometry(QRect(QPoint(ChoiceLeft, ChoiceTops[1]), ChoiceSize));
    doneButton->setText(u"好了"_s);
    doneButton->setFont(uiFont(56, true));
    doneButton->setFaceColor(StagePalette::DoneFace);
    onEvent(doneButton, &QAbstractButton::clicked, this, [this](auto &&...) { doneClick(); });
}

void TClockForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawClockQuestion(random, level);
    const bool setting = m_question.setHands;
    clockFace->setTime(setting ? 0 : m_question.time.sinceTwelve());
    clockFace->setSettable(setting);
    doneButton->setVisible(setting);
    doneButton->setMarked(false);
    for (int i = 0; i < 3; ++i) {
        StageButton *choice = m_choices.at(size_t(i));
        choice->setMarked(false);
        choice->setVisible(!setting);
        if (!setting)
            choice->setText(m_question.choices.at(i).spoken());
    }
    if (setting)
        ask(u"拨到"_s + m_question.time.spoken(), m_question.time.setClip());
    else
        ask(u"现在几点？"_s, u"what_time"_s);
}

void TClockForm::choiceClick(int i)
{
    if (m_question.setHands)
        return;
    const bool right = i == m_question.answerIndex();
    if (right)
        m_choices.at(size_t(i))->setMarked(true);
    answered(u"认识时间 "_s + m_question.time.written(), m_question.choices.at(i).spoken(), right);
}

void TClockForm::doneClick()
{
    if (!m_question.setHands)
        return;
    const ClockTime shown = ClockTime::fromSinceTwelve(clockFace->time());
    const bool right = shown == m_question.time;
    if (right)
        doneButton->setMarked(true);
    answered(u"拨到 "_s + m_question.time.written(), shown.spoken(), right);
}

void TClockForm::showAnswer()
{
    if (m_question.setHands)
        clockFace->setTime(m_question.time.sinceTwelve());
    else
        m_choices.at(size_t(m_question.answerIndex()))->setMarked(true);
}

} // namespace abacolo
