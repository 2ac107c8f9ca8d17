#include "activities/balance.h"

#include "activities/balanceview.h"
#include "activities/draggable.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace abacolo {

TBalanceForm *BalanceForm = nullptr;

namespace {

constexpr int TrayTop = 466;
constexpr int TrayGap = 16;

} // namespace

TBalanceForm::TBalanceForm(Services &services)
    : ActivityForm(u"BalanceForm"_s, u"balance"_s, BalanceLevels, services)
    , balanceView(new BalanceView(u"balanceView"_s, stage))
    , equationLabel(new QLabel(stage))
{
    balanceView->setGeometry(0, 0, stage->width(), 400);
    equationLabel->setObjectName(u"equationLabel"_s);
    equationLabel->setGeometry(206, 398, 600, 62);
    equationLabel->setAlignment(Qt::AlignCenter);
    equationLabel->setFont(uiFont(48, true));
    equationLabel->setStyleSheet(u"color: white; background: transparent;"_s);
    for (int value = 1; value <= Weights; ++value) {
        auto *piece = new Draggable(u"weight"_s + QString::number(value), stage);
        piece->resize(BalanceView::LoadSide, BalanceView::LoadSide);
        piece->setContent([value](QPainter &painter, const QRectF &area) { paintWeight(painter, area, value); });
        onEvent(piece, &Draggable::dropped, this,
                [this, value](QPoint centre) { weightDropped(value, centre); });
        m_weights.at(size_t(value - 1)) = piece;
    }
}

void TBalanceForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawBalanceQuestion(random, level);
    if (m_question.fruitOnLeft)
        balanceView->setLeftPictures(m_services.pictures.picture(m_question.picture),
                                     m_question.leftTotal());
    else
        balanceView->setLeftWeights(m_question.left);
    m_pan.clear();
    placeWeights();
    ask(u"让天平平衡"_s, u"make_balance"_s);
}

int TBalanceForm::rightTotal() const
{
    int total = 0;
    for (const int value : m_pan)
        total += value;
    return total;
}

void TBalanceForm::placeWeights()
{
    const int level = lean(m_question.leftTotal(), rightTotal());
    balanceView->setLean(level);
    equationLabel->setText(level == 0 ? equation(m_question.left, m_pan) : QString());
    const int trayLeft = (stage->width() - m_question.trayHighest * (BalanceView::LoadSide + TrayGap) + TrayGap) / 2;
    for (int value = 1; value <= Weights; ++value) {
        Draggable *piece = weight(value);
        if (value > m_question.trayHighest) {
            piece->hide();
            continue;
        }
        const qsizetype onPan = m_pan.indexOf(value);
        if (onPan >= 0) {
            piece->move(balanceView->mapToParent(balanceView->rightPanLoad(int(onPan), int(m_pan.size())))
                        - QPoint(BalanceView::LoadSide / 2, BalanceView::LoadSide / 2));
        } else {
            piece->move(trayLeft + (value - 1) * (BalanceView::LoadSide + TrayGap), TrayTop);
        }
        piece->show();
        piece->raise();
    }
}

void TBalanceForm::weightDropped(int value, QPoint centre)
{
    if (value > m_question.trayHighest)
        return;
    const bool wasOnPan = m_pan.contains(value);
    const bool onPan = balanceView->geometry().contains(centre)
                       && balanceView->rightPanArea().contains(balanceView->mapFromParent(centre));
    if (onPan && !wasOnPan)
        m_pan.append(value);
    else if (!onPan)
        m_pan.removeAll(value);
    placeWeights();
    // Only a weight put on the pan makes an answer; one taken off lets the child try again.
    if (onPan && !wasOnPan)
        judge();
}

QString TBalanceForm::questionText() const
{
    return u"等量："_s + (m_question.fruitOnLeft ? u"%1个"_s.arg(m_question.leftTotal())
                                              : sumText(m_question.left));
}

void TBalanceForm::judge()
{
    const int leaning = lean(m_question.leftTotal(), rightTotal());
    if (leaning < 0)
        return; // still lighter: the child goes on
    if (leaning == 0) {
        answered(questionText(), sumText(m_pan), true);
        return;
    }
    // Too heavy: the balance tips for a moment, then the last weight goes back to the tray.
    record(questionText(), sumText(m_pan), false);
    stepLadder(false);
    const bool showsAnswer = wrongCueShowsAnswer();
    m_services.clock.hold(PauseWhenTooHeavy);
    if (showsAnswer) {
        showAnswer();
        m_services.clock.hold(PauseAfterAnswerShown);
        newQuestion();
        return;
    }
    m_pan.removeLast();
    placeWeights();
}

void TBalanceForm::showAnswer()
{
    m_pan = balancingWeights(m_question.leftTotal(), m_question.trayHighest);
    placeWeights();
}

} // namespace abacolo
