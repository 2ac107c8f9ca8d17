#include "activities/comparing.h"

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

TComparingForm *ComparingForm = nullptr;

namespace {

// The groups stand left and right, the signs in a column between them.
const QRect LeftGroupPlace(40, 50, 400, 380);
const QRect RightGroupPlace(578, 50, 400, 380);
constexpr int SignSide = 100;
constexpr int SignLeft = 459;
constexpr std::array<int, 3> SignTops{70, 190, 310};

} // namespace

TComparingForm::TComparingForm(Services &services)
    : ActivityForm(u"ComparingForm"_s, u"comparing"_s, ComparingLevels, services)
    , leftGroup(new StageButton(u"leftGroup"_s, stage))
    , rightGroup(new StageButton(u"rightGroup"_s, stage))
{
    leftGroup->setGeometry(LeftGroupPlace);
    rightGroup->setGeometry(RightGroupPlace);
    for (StageButton *side : {leftGroup, rightGroup}) {
        side->setFont(uiFont(150, true));
    }
    onEvent(leftGroup, &QAbstractButton::clicked, this, [this](auto &&...) { groupClick(true); });
    onEvent(rightGroup, &QAbstractButton::clicked, this, [this](auto &&...) { groupClick(false); });

    for (const Relation relation : {Relation::Greater, Relation::Less, Relation::Equal}) {
        auto *sign = new StageButton(u"sign"_s + relationSign(relation), stage);
        sign->setGeometry(SignLeft, SignTops.at(size_t(relation)), SignSide, SignSide);
        sign->setText(relationSign(relation));
        sign->setFont(uiFont(64, true));
        onEvent(sign, &QAbstractButton::clicked, this,
                [this, relation](auto &&...) { signClick(relation); });
        m_signs.at(size_t(relation)) = sign;
    }
}

void TComparingForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawComparingQuestion(random, level);
    showSide(leftGroup, m_question.left);
    showSide(rightGroup, m_question.right);
    for (StageButton *sign : m_signs) {
        sign->setMarked(false);
        sign->setVisible(!m_question.pickTheMore);
    }
    // Only the first level's groups are buttons; later the signs are.
    leftGroup->setAttribute(Qt::WA_TransparentForMouseEvents, !m_question.pickTheMore);
    rightGroup->setAttribute(Qt::WA_TransparentForMouseEvents, !m_question.pickTheMore);
    leftGroup->setCursor(m_question.pickTheMore ? Qt::PointingHandCursor : Qt::ArrowCursor);
    rightGroup->setCursor(m_question.pickTheMore ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (m_question.pickTheMore)
        ask(u"哪边多？"_s, u"which_more"_s);
    else
        ask(u"比一比，选符号"_s, u"choose_sign"_s);
}

void TComparingForm::showSide(StageButton *side, int amount)
{
    side->setMarked(false);
    if (m_question.pictures) {
        side->setText(QString());
        const QPixmap picture = m_services.pictures.picture(m_question.picture);
        side->setContent([picture, amount](QPainter &painter, const QRectF &area) {
            paintCountedGroup(painter, area, picture, amount);
        });
    } else {
        side->setContent({});
        side->setText(QString::number(amount));
    }
}

QString TComparingForm::questionText() const
{
    return u"%1 ○ %2"_s.arg(m_question.left).arg(m_question.right);
}

void TComparingForm::groupClick(bool leftSide)
{
    if (!m_question.pickTheMore)
        return;
    const bool right = leftSide == (m_question.left > m_question.right);
    if (right)
        (leftSide ? leftGroup : rightGroup)->setMarked(true);
    answered(u"哪边多：%1 和 %2"_s.arg(m_question.left).arg(m_question.right),
             leftSide ? u"左边"_s : u"右边"_s, right);
}

void TComparingForm::signClick(Relation relation)
{
    if (m_question.pickTheMore)
        return;
    const bool right = relation == m_question.answer();
    if (right)
        signButton(relation)->setMarked(true);
    answered(questionText(), relationSign(relation), right);
}

void TComparingForm::showAnswer()
{
    if (m_question.pickTheMore)
        (m_question.left > m_question.right ? leftGroup : rightGroup)->setMarked(true);
    else
        signButton(m_question.answer())->setMarked(true);
}

} // namespace abacolo
