#include "progress/growthrecord.h"

#include "progress/historycsv.h"
#include "services/activitycatalog.h"
#include "services/datadirectory.h"
#include "services/services.h"
#include "tables/apperror.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "worksheets/curriculum.h"
#include "worksheets/worksheetpreview.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace abacolo {

TGrowthRecordForm *GrowthRecordForm = nullptr;

namespace {

const auto LogFileName = u"history.db"_s;
const auto AllChildren = u"全部孩子"_s;
const QColor RightColour(0x66, 0xbb, 0x6a);
const QColor WrongColour(0xff, 0xa7, 0x26);
const QColor MinutesColour(0x1e, 0x88, 0xe5);
const QColor NowColour(0x42, 0xa5, 0xf5);
const QColor BeforeColour(0xb0, 0xbe, 0xc5);

QString periodName(Period period)
{
    switch (period) {
    case Period::Week: return u"本周"_s;
    case Period::Month: return u"本月"_s;
    case Period::All: break;
    }
    return u"全部"_s;
}

QString shortDate(QDate day)
{
    return QString::number(day.month()) + u'/' + QString::number(day.day());
}

QString spanText(DaySpan span)
{
    const auto format = u"yyyy年M月d日"_s;
    return span.first == span.last ? span.first.toString(format)
                                   : span.first.toString(format) + u"–"_s + span.last.toString(format);
}

QString percent(double share)
{
    return QString::number(qRound(share * 100)) + u'%';
}

// The trend of an activity against the period before: "↑8%", "↓3%", "持平", or "新" when it
// was not practised before.
QString trendText(const ActivityTally &tally)
{
    if (!tally.previousShare)
        return u"新"_s;
    const int change = qRound((tally.share() - *tally.previousShare) * 100);
    if (change == 0)
        return u"持平"_s;
    return (change > 0 ? u"↑"_s : u"↓"_s) + QString::number(std::abs(change)) + u'%';
}

QChartView *newChartView(QWidget *parent, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(uiFont(13, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(uiFont(10));
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

// Drops the axes of the last view of a chart before new ones are attached.
void clearAxes(QChart *chart)
{
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QBarSet *newBarSet(const QString &label, const QColor &colour)
{
    auto *set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour.darker(115));
    return set;
}

} // namespace

TGrowthRecordForm::TGrowthRecordForm(Services &services)
    : Form(u"GrowthRecordForm"_s, u"成长记录"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    setPlacement(Placement::MainWindowCentre);
    buildLayout();
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TGrowthRecordForm::buildLayout()
{
    auto *content = new QWidget(suiForm1);
    content->setObjectName(u"content"_s);
    content->setGeometry(12, suiForm1->titleHeight() + 6, 1018 - 24, 733 - suiForm1->titleHeight() - 14);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    // The controls: the child answering now, whose answers are shown, which days, export.
    auto *controls = new QHBoxLayout;
    controls->setSpacing(8);
    auto *nameLabel = new QLabel(u"孩子的名字："_s, content);
    childNameBox = new QComboBox(content);
    childNameBox->setObjectName(u"childNameBox"_s);
    childNameBox->setEditable(true);
    childNameBox->setInsertPolicy(QComboBox::NoInsert);
    childNameBox->lineEdit()->setPlaceholderText(u"输入名字"_s);
    childNameBox->lineEdit()->setMaxLength(20);
    childNameBox->setMinimumWidth(120);
    childNameButton = new QPushButton(u"确定"_s, content);
    childNameButton->setObjectName(u"childNameButton"_s);
    childNameButton->setCursor(Qt::PointingHandCursor);
    childNameHint = new QLabel(content);
    childNameHint->setObjectName(u"childNameHint"_s);
    childNameHint->setStyleSheet(u"color: #546e7a;"_s);
    auto *viewLabel = new QLabel(u"查看："_s, content);
    viewedChildBox = new QComboBox(content);
    viewedChildBox->setObjectName(u"viewedChildBox"_s);
    viewedChildBox->setMinimumWidth(110);
    weekButton = new QRadioButton(periodName(Period::Week), content);
    monthButton = new QRadioButton(periodName(Period::Month), content);
    allButton = new QRadioButton(periodName(Period::All), content);
    weekButton->setChecked(true);
    exportButton = new QPushButton(u"导出"_s, content);
    exportButton->setObjectName(u"exportButton"_s);
    exportButton->setCursor(Qt::PointingHandCursor);
    auto *exportMenu = new QMenu(exportButton);
    QAction *csvAction = exportMenu->addAction(u"答题记录存为表格（CSV）…"_s);
    QAction *pdfAction = exportMenu->addAction(u"本页存为 PDF…"_s);
    exportButton->setMenu(exportMenu);
    for (QWidget *w : std::initializer_list<QWidget *>{nameLabel, childNameBox, childNameButton, childNameHint, viewLabel,
                                                       viewedChildBox, weekButton, monthButton, allButton, exportButton})
        w->setFont(uiFont(12, w == weekButton || w == monthButton || w == allButton));
    controls->addWidget(nameLabel);
    controls->addWidget(childNameBox);
    controls->addWidget(childNameButton);
    controls->addWidget(childNameHint, 1);
    controls->addWidget(viewLabel);
    controls->addWidget(viewedChildBox);
    controls->addSpacing(8);
    controls->addWidget(weekButton);
    controls->addWidget(monthButton);
    controls->addWidget(allButton);
    controls->addSpacing(8);
    controls->addWidget(exportButton);
    column->addLayout(controls);

    reportArea = new QWidget(content);
    reportArea->setObjectName(u"reportArea"_s);
    reportArea->setAutoFillBackground(true);
    QPalette palette = reportArea->palette();
    palette.setColor(QPalette::Window, Qt::white);
    reportArea->setPalette(palette);
    auto *report = new QVBoxLayout(reportArea);
    report->setContentsMargins(8, 6, 8, 8);
    report->setSpacing(6);

    auto *heading = new QHBoxLayout;
    summaryLabel = new QLabel(reportArea);
    summaryLabel->setObjectName(u"summaryLabel"_s);
    summaryLabel->setFont(uiFont(13, true));
    streakLabel = new QLabel(reportArea);
    streakLabel->setObjectName(u"streakLabel"_s);
    streakLabel->setFont(uiFont(14, true));
    streakLabel->setStyleSheet(u"color: #e65100;"_s);
    heading->addWidget(summaryLabel, 1);
    heading->addWidget(streakLabel);
    report->addLayout(heading);

    // The charts are made with the first report drawn, as the window is first shown.
    m_chartRow = new QHBoxLayout;
    report->addLayout(m_chartRow, 1);

    auto *bottom = new QHBoxLayout;
    auto *hardestColumn = new QVBoxLayout;
    auto *hardestTitle = new QLabel(u"最难的题（答错最多的十道）"_s, reportArea);
    hardestTitle->setFont(uiFont(12, true));
    hardestTable = new QTableWidget(0, 4, reportArea);
    hardestTable->setObjectName(u"hardestTable"_s);
    hardestTable->setHorizontalHeaderLabels({u"题目"_s, u"练习"_s, u"做过"_s, u"答对"_s});
    hardestTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hardestTable->setSelectionMode(QAbstractItemView::NoSelection);
    hardestTable->setFocusPolicy(Qt::NoFocus);
    hardestTable->verticalHeader()->hide();
    hardestTable->verticalHeader()->setDefaultSectionSize(19);
    hardestTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    hardestTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    hardestTable->setFont(uiFont(10));
    hardestTable->setFixedHeight(19 * 10 + hardestTable->horizontalHeader()->sizeHint().height() + 4);
    hardestColumn->addWidget(hardestTitle);
    hardestColumn->addWidget(hardestTable);
    bottom->addLayout(hardestColumn, 1);

    auto *adviceColumn = new QVBoxLayout;
    auto *adviceTitle = new QLabel(u"建议"_s, reportArea);
    adviceTitle->setFont(uiFont(12, true));
    adviceLabel = new QLabel(reportArea);
    adviceLabel->setObjectName(u"adviceLabel"_s);
    adviceLabel->setWordWrap(true);
    adviceLabel->setFont(uiFont(13));
    adviceLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    adviceLabel->setStyleSheet(u"QLabel { background: #fff8e1; border: 1px solid #ffe082; border-radius: 6px; padding: 8px; }"_s);
    practiceButton = new QPushButton(reportArea);
    practiceButton->setObjectName(u"practiceButton"_s);
    practiceButton->setFont(uiFont(12, true));
    practiceButton->setCursor(Qt::PointingHandCursor);
    adviceColumn->addWidget(adviceTitle);
    adviceColumn->addWidget(adviceLabel, 1);
    adviceColumn->addWidget(practiceButton, 0, Qt::AlignLeft);
    bottom->addLayout(adviceColumn, 1);
    report->addLayout(bottom);
    column->addWidget(reportArea, 1);

    auto *periods = new QButtonGroup(this);
    for (auto [button, period] : {std::pair{weekButton, Period::Week}, std::pair{monthButton, Period::Month},
                                  std::pair{allButton, Period::All}}) {
        periods->addButton(button);
        button->setCursor(Qt::PointingHandCursor);
        onEvent(button, &QAbstractButton::clicked, this, [this, period](auto &&...) { PeriodClick(period); });
    }
    onEvent(viewedChildBox, &QComboBox::activated, this, [this](auto &&...) { ViewedChildChange(); });
    onEvent(childNameButton, &QAbstractButton::clicked, this, [this](auto &&...) { ChildNameConfirm(); });
    onEvent(childNameBox->lineEdit(), &QLineEdit::returnPressed, this, [this](auto &&...) { ChildNameConfirm(); });
    onEvent(practiceButton, &QAbstractButton::clicked, this, [this](auto &&...) { PracticeClick(); });
    onEvent(csvAction, &QAction::triggered, this, [this](auto &&...) { ExportCsvClick(); });
    onEvent(pdfAction, &QAction::triggered, this, [this](auto &&...) { ExportPdfClick(); });
}

QString TGrowthRecordForm::logFile() const
{
    return DataDirectory() + u'/' + LogFileName;
}

void TGrowthRecordForm::makeCharts()
{
    if (dayChart)
        return;
    dayChart = newChartView(reportArea, u"每天答题（道）与练习时间（分钟）"_s);
    dayChart->setObjectName(u"dayChart"_s);
    daySeries = new QStackedBarSeries(dayChart);
    daySeries->setObjectName(u"daySeries"_s);
    minutesSeries = new QLineSeries(dayChart);
    minutesSeries->setObjectName(u"minutesSeries"_s);
    minutesSeries->setName(u"练习分钟"_s);
    minutesSeries->setPen(QPen(MinutesColour, 2.5));
    minutesSeries->setPointsVisible(true);
    dayChart->chart()->addSeries(daySeries);
    dayChart->chart()->addSeries(minutesSeries);
    activityChart = newChartView(reportArea, u"各项练习答对的比例（%）"_s);
    activityChart->setObjectName(u"activityChart"_s);
    activitySeries = new QBarSeries(activityChart);
    activitySeries->setObjectName(u"activitySeries"_s);
    activitySeries->setLabelsVisible(true);
    activitySeries->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    activitySeries->setLabelsFormat(u"@value%"_s);
    activityChart->chart()->addSeries(activitySeries);
    m_chartRow->addWidget(dayChart, 1);
    m_chartRow->addWidget(activityChart, 1);
    // Made as the window is first shown: on the screen with its first frame.
    dayChart->show();
    activityChart->show();
}

void TGrowthRecordForm::FormShow()
{
    reload();
}

void TGrowthRecordForm::reload()
{
    m_rows.clear();
    QString current;
    try {
        if (QFileInfo::exists(logFile())) {
            m_rows = HistoryLog::readRows(logFile());
            current = HistoryLog::currentChild(logFile());
        }
    } catch (const AppError &e) {
        m_rows.clear();
        m_services.dialogs.showError(e.message() + u"。成长记录暂时显示为空；文件保持原样。"_s);
    }
    fillChildBoxes();
    childNameBox->setEditText(current);
    childNameHint->setText(current.isEmpty() ? u"（填了名字，答题就记在名字下）"_s
                                             : u"答题记在“"_s + current + u"”名下"_s);
    refresh();
}

void TGrowthRecordForm::fillChildBoxes()
{
    const QStringList names = childrenOf(m_rows);
    const QString viewed = viewedChildBox->currentText();
    childNameBox->clear();
    childNameBox->addItems(names);
    viewedChildBox->clear();
    viewedChildBox->addItem(AllChildren);
    viewedChildBox->addItems(names);
    viewedChildBox->setCurrentIndex(std::max(0, int(viewedChildBox->findText(viewed))));
}

QList<HistoryRow> TGrowthRecordForm::shownRows() const
{
    const std::optional<QString> child = viewedChildBox->currentIndex() > 0
        ? std::optional(viewedChildBox->currentText()) : std::nullopt;
    QList<HistoryRow> rows;
    for (const HistoryRow &row : rowsOfChild(m_rows, child)) {
        if (m_report.span.contains(row.answeredAt.date()))
            rows.append(row);
    }
    return rows;
}

void TGrowthRecordForm::refresh()
{
    const std::optional<QString> child = viewedChildBox->currentIndex() > 0
        ? std::optional(viewedChildBox->currentText()) : std::nullopt;
    const QDate today = QDateTime::fromSecsSinceEpoch(m_services.clock.secondsNow()).date();
    m_report = makeReport(rowsOfChild(m_rows, child), m_period, today);

    const qint64 msecs = std::accumulate(m_report.days.begin(), m_report.days.end(), qint64(0),
                                         [](qint64 sum, const DayTally &d) { return sum + d.practiceMsecs; });
    const QString minutes = msecs > 0 && msecs < 60000 ? u"不到 1"_s : QString::number(qRound(msecs / 60000.0));
    summaryLabel->setText(periodName(m_period) + u"（"_s + spanText(m_report.span) + u"）：答题 "_s
                          + QString::number(m_report.asked) + u" 道，答对 "_s
                          + (m_report.asked > 0 ? percent(double(m_report.right) / m_report.asked) : u"—"_s)
                          + u"，练习 "_s + minutes + u" 分钟"_s);
    streakLabel->setText(u"连续练习 "_s + QString::number(m_report.streak) + u" 天"_s);
    makeCharts();
    showDays();
    showActivities();
    showHardest();
    adviceLabel->setText(adviceText(m_report));
    practiceButton->setVisible(m_report.practice != nullptr);
    if (m_report.practice)
        practiceButton->setText(u"打印练习：“"_s + m_report.practice->caption + u"” ▶"_s);
}

void TGrowthRecordForm::showDays()
{
    QChart *chart = dayChart->chart();
    clearAxes(chart);
    daySeries->clear();
    minutesSeries->clear();
    QBarSet *right = newBarSet(u"答对"_s, RightColour);
    QBarSet *wrong = newBarSet(u"答错"_s, WrongColour);
    QStringList labels;
    int most = 0;
    double longest = 0;
    const bool weekly = !m_report.days.isEmpty() && m_report.days.first().span.days() > 1;
    for (qsizetype i = 0; i < m_report.days.size(); ++i) {
        const DayTally &day = m_report.days.at(i);
        right->append(day.right);
        wrong->append(day.wrong);
        const double minutes = day.practiceMsecs / 60000.0;
        minutesSeries->append(double(i), minutes);
        most = std::max(most, day.asked());
        longest = std::max(longest, minutes);
        labels.append(shortDate(day.span.first) + (weekly ? u"起"_s : QString()));
    }
    daySeries->append(right);
    daySeries->append(wrong);

    auto *days = new QBarCategoryAxis;
    days->append(labels);
    days->setLabelsFont(uiFont(labels.size() > 12 ? 7 : 9));
    if (labels.size() > 12)
        days->setLabelsAngle(-90);
    auto *counts = new QValueAxis;
    counts->setRange(0, std::max(5, most));
    counts->setLabelFormat(u"%d"_s);
    counts->applyNiceNumbers();
    auto *minutes = new QValueAxis;
    minutes->setRange(0, std::max(5.0, std::ceil(longest)));
    minutes->setLabelFormat(u"%d"_s);
    minutes->setLinePenColor(MinutesColour);
    minutes->setLabelsColor(MinutesColour);
    minutes->applyNiceNumbers();
    for (QValueAxis *axis : {counts, minutes})
        axis->setLabelsFont(uiFont(9));
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(minutes, Qt::AlignRight);
    daySeries->attachAxis(days);
    daySeries->attachAxis(counts);
    minutesSeries->attachAxis(days);
    minutesSeries->attachAxis(minutes);
}

void TGrowthRecordForm::showActivities()
{
    QChart *chart = activityChart->chart();
    clearAxes(chart);
    activitySeries->clear();
    const bool compared = previousSpan(m_period, m_report.span).has_value();
    QBarSet *now = newBarSet(periodName(m_period), NowColour);
    QBarSet *before = compared ? newBarSet(m_period == Period::Week ? u"上周"_s : u"上月"_s, BeforeColour) : nullptr;
    QStringList labels;
    for (const ActivityTally &tally : m_report.activities) {
        now->append(qRound(tally.share() * 100));
        if (before)
            before->append(tally.previousShare ? qRound(*tally.previousShare * 100) : 0);
        QString label = activityName(tally.activity) + u"\n"_s + QString::number(tally.asked) + u"道"_s;
        if (compared)
            label += u" "_s + trendText(tally);
        labels.append(label);
    }
    activitySeries->append(now);
    if (before)
        activitySeries->append(before);

    auto *names = new QBarCategoryAxis;
    names->append(labels);
    names->setLabelsFont(uiFont(9));
    auto *shares = new QValueAxis;
    shares->setRange(0, 100);
    shares->setLabelFormat(u"%d"_s);
    shares->setLabelsFont(uiFont(9));
    chart->addAxis(names, Qt::AlignBottom);
    chart->addAxis(shares, Qt::AlignLeft);
    activitySeries->attachAxis(names);
    activitySeries->attachAxis(shares);
}

void TGrowthRecordForm::showHardest()
{
    hardestTable->setRowCount(int(m_report.hardest.size()));
    for (int r = 0; r < int(m_report.hardest.size()); ++r) {
        const QuestionTally &q = m_report.hardest.at(r);
        const QStringList cells{q.question, activityName(q.activity), QString::number(q.asked) + u" 次"_s,
                                QString::number(q.right) + u" 次"_s};
        for (int c = 0; c < int(cells.size()); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(c >= 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            hardestTable->setItem(r, c, item);
        }
    }
}

void TGrowthRecordForm::PeriodClick(Period period)
{
    m_period = period;
    refresh();
}

void TGrowthRecordForm::ViewedChildChange()
{
    refresh();
}

void TGrowthRecordForm::ChildNameConfirm()
{
    const QString name = childNameBox->currentText().simplified();
    HistoryLog::setCurrentChild(logFile(), name);
    reload();
    if (!name.isEmpty()) {
        // The child answering now is the one to look at; a new name has no answers yet.
        if (viewedChildBox->findText(name) < 0)
            viewedChildBox->addItem(name);
        viewedChildBox->setCurrentText(name);
        refresh();
    }
}

void TGrowthRecordForm::PracticeClick()
{
    if (!m_report.practice)
        return;
    // Window-modal over this window; it frees itself when closed.
    auto *preview = new WorksheetPreview(*m_report.practice, newSetSeed(), this);
    preview->open();
}

QString TGrowthRecordForm::viewTitle() const
{
    return u"成长记录 · "_s + viewedChildBox->currentText() + u" · "_s + periodName(m_period);
}

QString TGrowthRecordForm::suggestedFileName(const QString &suffix) const
{
    QString name = viewTitle();
    name.replace(u" · "_s, u"-"_s);
    return QDir::home().filePath(name + u'.' + suffix);
}

void TGrowthRecordForm::ExportCsvClick()
{
    const QString path = QFileDialog::getSaveFileName(this, u"答题记录存为表格"_s, suggestedFileName(u"csv"_s),
                                                      u"表格文件 (*.csv)"_s);
    if (!path.isEmpty())
        exportCsv(path);
}

void TGrowthRecordForm::ExportPdfClick()
{
    const QString path = QFileDialog::getSaveFileName(this, u"本页存为 PDF"_s, suggestedFileName(u"pdf"_s),
                                                      u"PDF 文件 (*.pdf)"_s);
    if (!path.isEmpty())
        exportPdf(path);
}

void TGrowthRecordForm::exportCsv(const QString &path) const
{
    saveHistoryCsv(path, shownRows());
}

void TGrowthRecordForm::exportPdf(const QString &path)
{
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setTitle(viewTitle());
        pdf.setCreator(u"成长记录"_s);
        QPainter painter;
        if (!painter.begin(&pdf))
            throw AppError(u"无法写入 PDF 文件 “"_s + path + u"”"_s);
        const QRect page = painter.viewport();
        QFont title = uiFont(16, true);
        title.setPointSizeF(16);   // the page's own resolution, not the screen's pixels
        painter.setFont(title);
        const int titleHeight = painter.fontMetrics().height() * 2;
        painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         viewTitle() + u"（"_s + spanText(m_report.span) + u"）"_s);
        // The view as it stands on screen, drawn at twice its size for print and scaled to the
        // page below the title.
        QPixmap view(reportArea->size() * 2);
        view.setDevicePixelRatio(2);
        view.fill(Qt::white);
        reportArea->render(&view);
        const QSize area = reportArea->size();
        const double scale = std::min(double(page.width()) / area.width(),
                                      double(page.height() - titleHeight) / area.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(page.left(), page.top() + titleHeight, area.width() * scale, area.height() * scale),
                           view, QRectF(QPointF(0, 0), QSizeF(view.size())));
        painter.end();
    }
    if (QFileInfo(path).size() == 0)
        throw AppError(u"无法写入 PDF 文件 “"_s + path + u"”"_s);
}

} // namespace abacolo
