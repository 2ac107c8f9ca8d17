#pragma once

#include "toolkit/form.h"

class QFrame;
class QPieSeries;
class QPushButton;
class QRadioButton;
class QStackedBarSeries;

namespace abacolo {

class BarCountChart;
class ColourSwatch;
class CountSource;
class FileTheme;
class PieCountChart;
class Table;
struct Services;

// The statistics window "统计": six colour rows, each with a swatch and a "-" and a "+"
// button that change the row's count in "subtration.DB" by one and store it at once, beside
// a pie and a bar chart of the six counts. The counts live only in the table, so they last
// between runs.
class TForm17 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm17)

public:
    explicit TForm17(Services &services);

    FileTheme *suiFileTheme1;
    Table *Table1;
    // Opens the counts, at their first record. The table has no database name of its own:
    // it opens in the current directory, which is the data directory.
    void openTables();
    CountSource *DataSource1; // the charts' source, bound to Table1's "Num1"

    QFrame *Bevel1;
    // The colour rows, top to bottom: gray (record 6), red, green, yellow, blue, white
    // (records 1 … 5). suiButton1, 3, … 11 are the rows' "-", suiButton2, 4, … 12 their "+".
    ColourSwatch *Shape1;
    ColourSwatch *Shape2;
    ColourSwatch *Shape3;
    ColourSwatch *Shape4;
    ColourSwatch *Shape5;
    ColourSwatch *Shape6;
    QPushButton *suiButton1;
    QPushButton *suiButton2;
    QPushButton *suiButton3;
    QPushButton *suiButton4;
    QPushButton *suiButton5;
    QPushButton *suiButton6;
    QPushButton *suiButton7;
    QPushButton *suiButton8;
    QPushButton *suiButton9;
    QPushButton *suiButton10;
    QPushButton *suiButton11;
    QPushButton *suiButton12;

    // The charts, made when the window is first shown (Qt Charts' views are costly to make,
    // and nobody sees them in the hidden window): until then null.
    PieCountChart *DBChart1 = nullptr;
    QPieSeries *Series1 = nullptr;
    BarCountChart *DBChart2 = nullptr;
    QStackedBarSeries *PieSeries1 = nullptr;
    QRadioButton *RadioButton1; // "Pie统计图"
    QRadioButton *RadioButton2; // "Bar统计图"

    // The record a colour row counts (1 … 6), for row 1 … 6 from the top.
    static int recordOfRow(int row);

    // Handlers.
    void RadioButton1Click();
    void RadioButton2Click();
    // suiButton1Click … suiButton12Click: button n changes its row's count, "-" (odd n) by
    // −1 and "+" (even n) by +1.
    void suiButtonClick(int button);

    void FormShow() override;

private:
    void FormCreate();
    void makeCharts();
    void buildLayout();
    void changeCount(int record, int step);

    Services &m_services;
};

extern TForm17 *Form17;

} // namespace abacolo
