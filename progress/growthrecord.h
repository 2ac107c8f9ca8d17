#pragma once

#include "progress/progressreport.h"
#include "toolkit/form.h"

class QBarSeries;
class QButtonGroup;
class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineSeries;
class QPushButton;
class QRadioButton;
class QStackedBarSeries;
class QTableWidget;

namespace abacolo {

class FileTheme;
struct Services;

// The parent's window "成长记录": over the answer log of the data folder, for this week, this
// month or all days and for one child or all, the answers of each day as right and wrong
// with the minutes practised, each activity's share of right answers against the period
// before, the hardest questions, the streak, and one sentence of advice with a worksheet
// that trains the weakest activity. The child's name set here is the one answers are
// written under from then on. "导出" saves the rows shown as a spreadsheet file, or the view
// as PDF. The log is read again each time the window is shown.
class TGrowthRecordForm : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGrowthRecordForm)

public:
    explicit TGrowthRecordForm(Services &services);

    FileTheme *suiFileTheme1;

    QComboBox *childNameBox;      // the child answering now; editable
    QPushButton *childNameButton; // "确定"
    QLabel *childNameHint;
    QComboBox *viewedChildBox;    // "全部孩子" or one name
    QRadioButton *weekButton;     // "本周"
    QRadioButton *monthButton;    // "本月"
    QRadioButton *allButton;      // "全部"
    QPushButton *exportButton;    // "导出", with its menu
    QWidget *reportArea;          // what the PDF shows
    QLabel *summaryLabel;
    QLabel *streakLabel;
    // The charts, made when the first report is drawn (the window first shown): until then null.
    QChartView *dayChart = nullptr;
    QStackedBarSeries *daySeries = nullptr;
    QLineSeries *minutesSeries = nullptr;
    QChartView *activityChart = nullptr;
    QBarSeries *activitySeries = nullptr;
    QTableWidget *hardestTable;
    QLabel *adviceLabel;
    QPushButton *practiceButton;  // opens the advised worksheet

    QString logFile() const;
    const ProgressReport &report() const { return m_report; }
    // The rows of the child and period shown.
    QList<HistoryRow> shownRows() const;

    // Reads the log again and shows it; a log that cannot be read is reported once and
    // shows as empty.
    void reload();
    void FormShow() override;

    // Handlers.
    void PeriodClick(Period period);
    void ViewedChildChange();
    void ChildNameConfirm();
    void PracticeClick();
    void ExportCsvClick();
    void ExportPdfClick();

    // What the export entries write, to a file chosen beforehand.
    void exportCsv(const QString &path) const;
    void exportPdf(const QString &path);

private:
    void buildLayout();
    // Qt Charts' views are costly to make: they are made for the first report drawn, not at
    // start-up with the window hidden.
    void makeCharts();
    void refresh();
    void showDays();
    void showActivities();
    void showHardest();
    void fillChildBoxes();
    QString viewTitle() const;
    QString suggestedFileName(const QString &suffix) const;

    Services &m_services;
    QList<HistoryRow> m_rows;
    Period m_period = Period::Week;
    ProgressReport m_report;
    QHBoxLayout *m_chartRow = nullptr;
};

extern TGrowthRecordForm *GrowthRecordForm;

} // namespace abacolo
