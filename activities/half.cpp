#include "activities/half.h"

#include "activities/cutview.h"
#include "activities/draggable.h"
#include "activities/stagebutton.h"
#include "activities/stagepalette.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace abacolo {

THalfForm *HalfForm = nullptr;

namespace {

const QRect FullPlatePlace(40, 30, 440, 330);
const QRect EmptyPlatePlace(532, 30, 440, 330);
constexpr int FruitSide = 80;
constexpr int FruitCell = 90;
constexpr int FruitPerRow = 4;

// A round white plate with a rim.
class Plate : public QWidget
{
public:
    Plate(const QString &name, QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(name);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF plate = QRectF(rect()).adjusted(4, 4, -4, -4);
        painter.setPen(QPen(QColor(200, 200, 210), 6));
        painter.setBrush(QColor(245, 245, 250));
        painter.drawEllipse(plate);
        painter.setPen(QPen(QColor(220, 220, 228), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(plate.adjusted(40, 30, -40, -30));
    }
};

// Places `count` things on a plate in rows of four, centred.
QList<QPoint> plateSlots(const QRect &plate, int count)
{
    QList<QPoint> slots;
    const int rows = (count + FruitPerRow - 1) / FruitPerRow;
    for (int i = 0; i < count; ++i) {
        const int row = i / FruitPerRow;
        const int inRow = std::min(FruitPerRow, count - row * FruitPerRow);
        const int x = plate.center().x() - inRow * FruitCell / 2 + (i % FruitPerRow) * FruitCell
                      + FruitCell / 2;
        const int y = plate.center().y() - rows * FruitCell / 2 + row * FruitCell + FruitCell / 2;
        slots.append(QPoint(x, y));
    }
    return slots;
}

} // namespace

THalfForm::THalfForm(Services &services)
    : ActivityForm(u"HalfForm"_s, u"half"_s, HalfLevels, services)
    , fullPlate(new Plate(u"fullPlate"_s, stage))
    , emptyPlate(new Plate(u"emptyPlate"_s, stage))
    , doneButton(new StageButton(u"doneButton"_s, stage))
    , cutView(new CutView(u"cutView"_s, stage))
{
    fullPlate->setGeometry(FullPlatePlace);
    emptyPlate->setGeometry(EmptyPlatePlace);
    doneButton->setGeometry(406, 390, 200, 110);
    doneButton->setText(u"好了"_s);
    doneButton->setFont(uiFont(56, true));
    doneButton->setFaceColor(StagePalette::DoneFace);
    onEvent(doneButton, &QAbstractButton::clicked, this, [this](auto &&...) { doneClick(); });
    cutView->setGeometry(266, 20, 480, 480);
    onEvent(cutView, &CutView::lineClicked, this, [this](int line) { lineClick(line); });
    for (int i = 0; i < MostFruit; ++i) {
        auto *piece = new Draggable(u"fruit"_s + QString::number(i + 1), stage);
        piece->resize(FruitSide, FruitSide);
        piece->hide();
        onEvent(piece, &Draggable::dropped, this, [this, i](QPoint centre) { fruitDropped(i, centre); });
        m_fruit.at(size_t(i)) = piece;
    }
}

void THalfForm::drawQuestion(RandomGenerator &random, int level)
{
    m_question = drawHalfQuestion(random, level);
    const bool cutting = m_question.cutting;
    fullPlate->setVisible(!cutting);
    emptyPlate->setVisible(!cutting);
    doneButton->setVisible(!cutting);
    doneButton->setMarked(false);
    cutView->setVisible(cutting);
    m_onEmptyPlate = QList<bool>(cutting ? 0 : m_question.fruit, false);
    if (cutting) {
        cutView->setCut(m_question.shape, m_question.lines);
    } else {
        const QPixmap picture = m_services.pictures.picture(m_question.picture);
        for (int i = 0; i < m_question.fruit; ++i) {
            m_fruit.at(size_t(i))->setContent([picture](QPainter &painter, const QRectF &area) {
                painter.drawPixmap(area, picture, QRectF(picture.rect()));
            });
        }
    }
    arrangePlates();
    if (cutting)
        ask(u"哪条线分得对？"_s, u"find_half_cut"_s);
    else
        ask(u"分一半给空盘子"_s, u"move_half"_s);
}

void THalfForm::arrangePlates()
{
    const int count = int(m_onEmptyPlate.size());
    const QList<QPoint> full = plateSlots(FullPlatePlace, int(m_onEmptyPlate.count(false)));
    const QList<QPoint> empty = plateSlots(EmptyPlatePlace, int(m_onEmptyPlate.count(true)));
    int onFull = 0;
    int onEmpty = 0;
    for (int i = 0; i < MostFruit; ++i) {
        Draggable *piece = m_fruit.at(size_t(i));
        if (i >= count) {
            piece->hide();
            continue;
        }
        const QPoint centre = m_onEmptyPlate.at(i) ? empty.at(onEmpty++) : full.at(onFull++);
        piece->move(centre - QPoint(FruitSide / 2, FruitSide / 2));
        piece->show();
        piece->raise();
    }
}

int THalfForm::fruitMoved() const
{
    return int(m_onEmptyPlate.count(true));
}

void THalfForm::fruitDropped(int i, QPoint centre)
{
    if (i >= m_onEmptyPlate.size())
        return;
    // Dropped on a plate, it lies there; anywhere else it goes back where it lay.
    if (emptyPlate->geometry().contains(centre))
        m_onEmptyPlate[i] = true;
    else if (fullPlate->geometry().contains(centre))
        m_onEmptyPlate[i] = false;
    arrangePlates();
}

void THalfForm::doneClick()
{
    if (m_question.cutting)
        return;
    const bool right = isHalf(m_question.fruit, fruitMoved());
    if (right)
        doneButton->setMarked(true);
    answered(u"一半：%1个"_s.arg(m_question.fruit), u"%1个"_s.arg(fruitMoved()), right);
}

void THalfForm::lineClick(int line)
{
    if (!m_question.cutting)
        return;
    const CutLine &cut = m_question.lines.at(line);
    const bool right = cut.halves();
    if (right)
        cutView->setMarkedLine(line);
    answered(u"分成两半："_s + shapeName(m_question.shape), cut.name(), right);
}

void THalfForm::showAnswer()
{
    if (m_question.cutting) {
        cutView->setMarkedLine(m_question.rightLine());
        return;
    }
    for (int i = 0; i < m_onEmptyPlate.size(); ++i)
        m_onEmptyPlate[i] = i < m_question.fruit / 2;
    arrangePlates();
}

} // namespace abacolo
