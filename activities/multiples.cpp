#include "activities/multiples.h"

#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace abacolo {

TMultiplesForm *MultiplesForm = nullptr;

namespace {

constexpr int GroupWidth = 150;
constexpr int GroupHeight = 340;
constexpr int GroupGap = 12;
constexpr int GroupTop = 16; // on the stage
constexpr int CountHeight = 64; // the count under a group's pictures
constexpr int ChoiceWidth = 150;
constexpr int ChoiceHeight = 120;
constexpr int ChoiceGap = 40;
constexpr int ChoiceTop = 386;


// A group in columns of up to five, so twos stand as pairs and tens as two fives.
void paintColumns(QPainter &painter, const QRectF &area, const QPixmap &picture, int count)
{
    const int rows = std::min(count, 5);
    const int columns = (count + 4) / 5;
    const double cell = std::min({area.width() / columns, area.height() / rows, 84.0});
    const double side = cell * 0.88;
    const double left = area.center().x() - columns * cell / 2;
    const double top = area.center().y() - rows * cell / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < count; ++i) {
        const QRectF place(left + (i / 5) * cell + (cell - side) / 2,
                           top + (i % 5) * cell + (cell - side) / 2, side, side);
        painter.drawPixmap(place, picture, QRectF(picture.rect()));
    }
}

} // namespace

TMultiplesForm::TMultiplesForm(Services &services)
    : ActivityForm(u"MultiplesForm"_s, u"multiples"_s, MultiplesLevels, services)
{
    for (int i = 0; i < MostGroups; ++i) {
        auto *group = new StageButton(u"group"_s + QString::number(i + 1), stage);
        group->setAttribute(Qt::WA_TransparentForMouseEvents); // counted, not clicked
        group->setCursor(Qt::ArrowCursor);
        m_groups.at(size_t(i)) = group;
    }
    const int left = (stage->width() - MultiplesQuestion::ChoiceCount * ChoiceWidth -
                      (MultiplesQuestion::ChoiceCount - 1) * ChoiceGap) / 2;
    for (int i = 0; i < MultiplesQuestion::ChoiceCount; ++i) {
        auto *choice = new StageButton(u"choice"_s + QString::number(i + 1), stage);
        choice->setGeometry(left + i * (ChoiceWidth + ChoiceGap), ChoiceTop, ChoiceWidth,
                            ChoiceHeight);
        choice->setFont(uiFont(72, true));
        onEvent(choice, &QAbstractButton::clicked, this, [this, i](auto &&...) { choiceClick(i); });
        m_choices.at(size_t(i)) = choice;
    }
}

void TMultiplesForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawMultiplesQuestion(random, level);
    const int groups = m_question.groups;
    const int left = (stage->width() - groups * GroupWidth - (groups - 1) * GroupGap) / 2;
    for (int i = 0; i < MostGroups; ++i) {
        StageButton *group = m_groups.at(size_t(i));
        group->setVisible(i < groups);
        group->setGeometry(left + i * (GroupWidth + GroupGap), GroupTop, GroupWidth, GroupHeight);
    }
    for (int i = 0; i < MultiplesQuestion::ChoiceCount; ++i) {
        m_choices.at(size_t(i))->setMarked(false);
        m_choices.at(size_t(i))->setText(QString::number(m_question.choices.at(size_t(i))));
    }
    lightGroups(groups - 1);
    switch (m_question.groupSize) {
    case 2:
        ask(u"两个两个数，下一个是几？"_s, u"count_by_2"_s);
        break;
    case 5:
        ask(u"五个五个数，下一个是几？"_s, u"count_by_5"_s);
        break;
    default:
        ask(u"十个十个数，下一个是几？"_s, u"count_by_10"_s);
        break;
    }
}

void TMultiplesForm::lightGroups(int count)
{
    m_lit = count;
    const QPixmap picture = m_services.pictures.picture(m_question.picture);
    const int size = m_question.groupSize;
    for (int i = 0; i < MostGroups; ++i) {
        const bool lit = i < count;
        const QString counted = lit ? QString::number((i + 1) * size) : u"?"_s;
        StageButton *group = m_groups.at(size_t(i));
        group->setFaceColor(lit ? StagePalette::LitFace : StagePalette::DarkFace);
        group->setContent([picture, size, counted, lit](QPainter &painter, const QRectF &area) {
            paintColumns(painter, area.adjusted(0, 0, 0, -CountHeight), picture, size);
            painter.setFont(uiFont(56, true));
            painter.setPen(lit ? StagePalette::CountText : QColor(Qt::white));
            painter.drawText(area.adjusted(0, area.height() - CountHeight, 0, 0), Qt::AlignCenter,
                             counted);
        });
    }
}

void TMultiplesForm::choiceClick(int i)
{
    const bool right = i == m_question.answerIndex();
    if (right) {
        m_choices.at(size_t(i))->setMarked(true);
        lightGroups(m_question.groups);
    }
    answered(m_question.sequence(), QString::number(m_question.choices.at(size_t(i))), right);
}

void TMultiplesForm::showAnswer()
{
    m_choices.at(size_t(m_question.answerIndex()))->setMarked(true);
    lightGroups(m_question.groups);
}

} // namespace abacolo
