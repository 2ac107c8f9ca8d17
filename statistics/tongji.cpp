#include "statistics/tongji.h"

#include "services/datadirectory.h"
#include "services/services.h"
#include "statistics/countcharts.h"
#include "statistics/countsource.h"
#include "tables/apperror.h"
#include "tables/tables.h"
#include "toolkit/colourswatch.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"

#include <QFrame>
#include <QPieSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QtNumeric>

#include <array>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm17 *Form17 = nullptr;

namespace {

// The colour rows, top to bottom: where the swatch stands and which record the row counts.
// A row's buttons stand 23 pixels below its swatch's top.
struct ColourRow
{
    int top;
    int record;
};
constexpr std::array<ColourRow, 6> Rows{{
    {89, 6},  // gray
    {161, 1}, // red
    {233, 2}, // green
    {305, 3}, // yellow
    {377, 4}, // blue
    {449, 5}, // white
}};

constexpr int SwatchLeft = 40;
constexpr int SwatchSize = 65;
constexpr int MinusLeft = 128;
constexpr int PlusLeft = 168;
constexpr QSize ButtonSize(33, 25);

const std::array<ColourSwatch *TForm17::*, 6> Swatches{
    &TForm17::Shape1, &TForm17::Shape2, &TForm17::Shape3,
    &TForm17::Shape4, &TForm17::Shape5, &TForm17::Shape6,
};
const std::array<QPushButton *TForm17::*, 12> Buttons{
    &TForm17::suiButton1, &TForm17::suiButton2,  &TForm17::suiButton3,  &TForm17::suiButton4,
    &TForm17::suiButton5, &TForm17::suiButton6,  &TForm17::suiButton7,  &TForm17::suiButton8,
    &TForm17::suiButton9, &TForm17::suiButton10, &TForm17::suiButton11, &TForm17::suiButton12,
};

// The "-" and "+" on a button this small: no padding, a large bold sign.
const QString StepButtonStyle = u"QPushButton { padding: 0px; font-size: 20px; font-weight: bold; }"_s;

} // namespace

int TForm17::recordOfRow(int row)
{
    return Rows.at(size_t(row - 1)).record;
}

TForm17::TForm17(Services &services)
    : Form(u"Form17"_s, u"统计"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"subtration.DB"_s, this))
    , DataSource1(new CountSource(Table1, u"Num1"_s, this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    DataSource1->setObjectName(u"DataSource1"_s);
    setPlacement(Placement::MainWindowCentre);
    buildLayout();
    FormCreate();
}

void TForm17::buildLayout()
{
    Bevel1 = new QFrame(suiForm1);
    Bevel1->setObjectName(u"Bevel1"_s);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(2);
    Bevel1->setGeometry(16, 35, 209, 598);

    for (size_t i = 0; i < Rows.size(); ++i) {
        const ColourRow &row = Rows.at(i);
        const int n = int(i) + 1;
        auto *swatch = new ColourSwatch(u"Shape"_s + QString::number(n), suiForm1,
                                        countColour(row.record));
        swatch->setGeometry(SwatchLeft, row.top, SwatchSize, SwatchSize);
        this->*Swatches.at(i) = swatch;

        for (int side = 0; side < 2; ++side) {
            const int button = 2 * n - 1 + side; // "-" odd, "+" even
            auto *push = new QPushButton(side == 0 ? u"-"_s : u"+"_s, suiForm1);
            push->setObjectName(u"suiButton"_s + QString::number(button));
            push->setGeometry(QRect(QPoint(side == 0 ? MinusLeft : PlusLeft, row.top + 23),
                                    ButtonSize));
            push->setStyleSheet(StepButtonStyle);
            push->setCursor(Qt::PointingHandCursor);
            onEvent(push, &QAbstractButton::clicked, this,
                    [this, button](auto &&...) { suiButtonClick(button); });
            this->*Buttons.at(size_t(button - 1)) = push;
        }
    }

    RadioButton2 = new QRadioButton(u"Bar统计图"_s, suiForm1);
    RadioButton2->setObjectName(u"RadioButton2"_s);
    RadioButton1 = new QRadioButton(u"Pie统计图"_s, suiForm1);
    RadioButton1->setObjectName(u"RadioButton1"_s);
    for (auto [radio, left] : {std::pair{RadioButton2, 504}, std::pair{RadioButton1, 648}}) {
        radio->setFont(uiFont(15, true));
        radio->setCursor(Qt::PointingHandCursor);
        radio->move(left, 553);
        radio->adjustSize();
        radio->raise();
    }
    RadioButton2->setChecked(true);
    onEvent(RadioButton1, &QAbstractButton::clicked, this, [this](auto &&...) { RadioButton1Click(); });
    onEvent(RadioButton2, &QAbstractButton::clicked, this, [this](auto &&...) { RadioButton2Click(); });
}

void TForm17::makeCharts()
{
    if (DBChart1)
        return;
    DBChart1 = new PieCountChart(u"DBChart1"_s, u"Pie 统计图"_s, suiForm1);
    DBChart1->setGeometry(232, 33, 777, 592);
    DBChart1->setSource(DataSource1);
    Series1 = DBChart1->series();
    Series1->setObjectName(u"Series1"_s);

    DBChart2 = new BarCountChart(u"DBChart2"_s, u"Bar 统计图"_s, suiForm1);
    DBChart2->setGeometry(232, 35, 777, 582);
    DBChart2->setSource(DataSource1);
    PieSeries1 = DBChart2->series();
    PieSeries1->setObjectName(u"PieSeries1"_s);
    DBChart2->raise(); // the bar chart in front

    // Made after the switches, which lie over them; shown with the window's first frame.
    DBChart1->show();
    DBChart2->show();
    RadioButton2->raise();
    RadioButton1->raise();
}

void TForm17::FormShow()
{
    makeCharts();
}

void TForm17::openTables()
{
    Table1->setActive(true);
    Table1->first();
}

void TForm17::FormCreate()
{
    resize(width(), 768);
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm17::RadioButton1Click()
{
    makeCharts();
    DBChart2->hide();
    DBChart1->show();
    RadioButton2->setChecked(false);
    RadioButton1->setChecked(true);
}

void TForm17::RadioButton2Click()
{
    makeCharts();
    DBChart1->hide();
    DBChart2->show();
    RadioButton1->setChecked(false);
    RadioButton2->setChecked(true);
}

void TForm17::suiButtonClick(int button)
{
    if (button < 1 || button > 12)
        return;
    const int row = (button + 1) / 2;
    changeCount(recordOfRow(row), button % 2 == 1 ? -1 : +1);
}

void TForm17::changeCount(int record, int step)
{
    Table1->first();
    for (int i = 1; i < record; ++i)
        Table1->next();
    // A table with fewer records would leave us on another row's record, or an empty one
    // would have edit() add a record: neither may take this row's count.
    if (Table1->recordNumber() != record)
        throw AppError(u"表格 “"_s + Table1->tableName() + u"” 中没有第 "_s
                       + QString::number(record) + u" 条记录，无法记下这一行的数"_s);

    TableEdit edit(*Table1);
    Field count = Table1->fieldByName(u"num1"_s);
    const QVariant stored = count.asVariant();
    qint64 value = 0; // an empty count counts from 0
    if (!stored.isNull()) {
        bool ok = false;
        value = stored.toLongLong(&ok);
        if (!ok)
            throw AppError(u"表格 “"_s + Table1->tableName() + u"” 第 "_s
                           + QString::number(record) + u" 条记录的数不是整数："_s
                           + stored.toString());
    }
    qint64 changed = 0;
    if (qAddOverflow(value, qint64(step), &changed))
        throw AppError(u"表格 “"_s + Table1->tableName() + u"” 第 "_s
                       + QString::number(record) + u" 条记录的数已经到了能记下的"_s
                       + (step > 0 ? u"最大值，不能再加了"_s : u"最小值，不能再减了"_s));
    count.setAsVariant(QVariant::fromValue<qlonglong>(changed));
    edit.post();

    DataSource1->refresh();
    update();
}

} // namespace abacolo
