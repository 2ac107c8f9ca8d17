#include "activities/paths.h"

#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

TPathsForm *PathsForm = nullptr;

namespace {

constexpr int StoneSide = 112;
constexpr int StoneGap = 14;
constexpr int GridTop = 14; // on the stage
constexpr int ShakeMs = 360;

const QColor StoneFace(70, 74, 86);
const QColor StartFace(46, 120, 70);

int stoneIndex(QPoint at)
{
    return at.y() * PathsQuestion::Columns + at.x();
}

// "起点" or "终点" small in the top of a stone.
StageButton::Content endLabel(const QString &label)
{
    return [label](QPainter &painter, const QRectF &area) {
        painter.setFont(uiFont(18, true));
        painter.setPen(QColor(235, 140, 20));
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, label);
    };
}

} // namespace

TPathsForm::TPathsForm(Services &services)
    : ActivityForm(u"PathsForm"_s, u"paths"_s, PathsLevels, services)
{
    const int left = (stage->width() - PathsQuestion::Columns * (StoneSide + StoneGap) + StoneGap) / 2;
    for (int row = 0; row < PathsQuestion::Rows; ++row) {
        for (int column = 0; column < PathsQuestion::Columns; ++column) {
            const QPoint at(column, row);
            auto *stone = new StageButton(u"stone_%1_%2"_s.arg(column + 1).arg(row + 1), stage);
            stone->setGeometry(left + column * (StoneSide + StoneGap),
                               GridTop + row * (StoneSide + StoneGap), StoneSide, StoneSide);
            stone->setFont(uiFont(54, true));
            onEvent(stone, &QAbstractButton::clicked, this, [this, at](auto &&...) { stoneClick(at); });
            m_stones.at(size_t(stoneIndex(at))) = stone;
        }
    }
}

StageButton *TPathsForm::stone(QPoint at) const
{
    return m_stones.at(size_t(stoneIndex(at)));
}

bool TPathsForm::isShaking(QPoint at) const
{
    return stone(at)->findChild<QPropertyAnimation *>() != nullptr;
}

void TPathsForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawPathsQuestion(random, level);
    m_reached = 1;
    for (int i = 0; i < int(m_stones.size()); ++i) {
        const QPoint at(i % PathsQuestion::Columns, i / PathsQuestion::Columns);
        StageButton *stone = m_stones.at(size_t(i));
        stone->setMarked(false);
        stone->setFaceColor(StoneFace);
        stone->setTextColor(Qt::white);
        stone->setText(QString::number(m_question.numberAt(at)));
        stone->setContent({});
    }
    StageButton *start = stone(m_question.path.first());
    start->setFaceColor(StartFace);
    start->setContent(endLabel(u"起点"_s));
    stone(m_question.path.last())->setContent(endLabel(u"终点"_s));
    ask(m_question.request(), m_question.clip());
}

void TPathsForm::lightStone(QPoint at)
{
    stone(at)->setFaceColor(StagePalette::LitFace);
    stone(at)->setTextColor(StagePalette::CountText);
}

void TPathsForm::shake(StageButton *stone)
{
    if (stone->findChild<QPropertyAnimation *>())
        return; // still shaking
    auto *animation = new QPropertyAnimation(stone, "pos", stone);
    const QPoint rest = stone->pos();
    animation->setDuration(ShakeMs);
    animation->setKeyValueAt(0, rest);
    for (int k = 1; k < 6; ++k)
        animation->setKeyValueAt(k / 6.0, rest + QPoint(k % 2 ? 10 : -10, 0));
    animation->setKeyValueAt(1, rest);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void TPathsForm::stoneClick(QPoint at)
{
    const qsizetype onPath = m_question.path.indexOf(at);
    if (onPath >= 0 && onPath < m_reached)
        return; // already on the path so far
    if (onPath != m_reached) {
        shake(stone(at));
        answered(m_question.request(), QString::number(m_question.numberAt(at)), false);
        return;
    }
    lightStone(at);
    if (++m_reached < m_question.path.size())
        return;
    QStringList counted;
    for (const QPoint step : m_question.path)
        counted.append(QString::number(m_question.numberAt(step)));
    stone(at)->setMarked(true);
    answered(m_question.request(), counted.join(u'-'), true);
}

void TPathsForm::showAnswer()
{
    for (qsizetype i = m_reached; i < m_question.path.size(); ++i)
        lightStone(m_question.path.at(i));
    stone(m_question.path.last())->setMarked(true);
}

} // namespace abacolo
