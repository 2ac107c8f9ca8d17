#include "activities/activityform.h"

#include "activities/stagepalette.h"
#include "services/activitycatalog.h"
#include "services/answerlog.h"
#include "services/datadirectory.h"
#include "services/random.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "training/flagrow.h"
#include "training/flagshow.h"

#include <QLabel>

#include <utility>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The window's client area, as the trainings'.
constexpr QSize ClientSize(1018, 733);

} // namespace

ActivityForm::ActivityForm(const QString &instanceName, const QString &activity, int highestLevel,
                           Services &services)
    : Form(instanceName, activityName(activity), ClientSize)
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
    , m_activity(activity)
    , m_ladder(highestLevel)
{
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);
    suiForm1->setColor(Qt::black);

    requestLabel = new QLabel(suiForm1);
    requestLabel->setObjectName(u"requestLabel"_s);
    requestLabel->setGeometry(150, 36, 718, 64);
    requestLabel->setAlignment(Qt::AlignCenter);
    requestLabel->setFont(uiFont(40, true));
    requestLabel->setStyleSheet(u"color: white; background: transparent;"_s);

    starsLabel = new QLabel(suiForm1);
    starsLabel->setObjectName(u"starsLabel"_s);
    starsLabel->setGeometry(870, 44, 136, 40);
    starsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    starsLabel->setFont(uiFont(26));
    starsLabel->setStyleSheet(u"color: %1; background: transparent;"_s.arg(StagePalette::Mark.name()));

    stage = new Panel(u"stage"_s, suiForm1, Qt::black);
    stage->setGeometry(3, 104, ClientSize.width() - 6, 536);

    flagRow = new FlagRow(u"flagRow"_s, suiForm1, QPoint(152, 650), 1, 1);
    onEvent(flagRow->flag(1), &QAbstractButton::clicked, this, [this](auto &&...) { flagClick(); });

    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
    suiForm1->setColor(Qt::black);
    showStars();
}

ImageButton *ActivityForm::flag(int n) const
{
    return flagRow->flag(n);
}

void ActivityForm::FormShow()
{
    // Activation reaches the window some time after it is mapped (later still under load);
    // asking only then would show a bare stage meanwhile.
    newQuestion();
    m_askedOnShow = true;
}

void ActivityForm::FormActivate()
{
    if (std::exchange(m_askedOnShow, false))
        return;
    newQuestion();
}

void ActivityForm::flagClick()
{
    Form13->ShowModal();
}

void ActivityForm::newQuestion()
{
    m_services.random.seed(m_services.clock.secondsNow());
    drawQuestion(m_services.random, m_ladder.level());
}

void ActivityForm::ask(const QString &request, const QString &clip)
{
    m_request = request;
    requestLabel->setText(request);
    m_services.cues.PlayCue(clip);
    m_askedAt = m_services.clock.elapsedMs();
}

void ActivityForm::answered(const QString &question, const QString &given, bool right)
{
    record(question, given, right);
    if (right)
        rewardAndMoveOn();
    else
        countWrong();
}

void ActivityForm::record(const QString &question, const QString &given, bool right)
{
    m_services.answers.record(
        {m_activity, question, given, right, m_services.clock.elapsedMs() - m_askedAt});
}

void ActivityForm::rewardAndMoveOn()
{
    stepLadder(true);
    flagAndCheer();
    m_services.clock.hold(PauseAfterRight);
    moveOn();
}

void ActivityForm::countWrong()
{
    stepLadder(false);
    if (!wrongCueShowsAnswer())
        return;
    showAnswer();
    m_services.clock.hold(PauseAfterAnswerShown);
    moveOn();
}

void ActivityForm::moveOn()
{
    newQuestion();
}

void ActivityForm::flagAndCheer()
{
    flagRow->addFlag(flagCount, flagSet, m_services.pictures);
    m_services.cues.PlayCue(u"vright"_s);
}

bool ActivityForm::wrongCueShowsAnswer()
{
    m_services.cues.PlayCue(u"vwrong"_s);
    return m_wrongs.showsAnswer();
}

void ActivityForm::stepLadder(bool right)
{
    if (right)
        m_ladder.right();
    else
        m_ladder.wrong();
    showStars();
}

void ActivityForm::showStars()
{
    starsLabel->setText(QString(level(), QChar(0x2605)) +
                        QString(m_ladder.highest() - level(), QChar(0x2606)));
    starsLabel->setToolTip(u"第 %1 级"_s.arg(level()));
}

} // namespace abacolo
