#include "progress/growthrecord.h"
#include "progress/historycsv.h"
#include "shell/mainform.h"
#include "shell/menupanel.h"
#include "tables/apperror.h"
#include "tests/support/historyfixture.h"
#include "tests/support/testworld.h"
#include "toolkit/groupbar.h"
#include "worksheets/worksheetpreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QBarSeries>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

const QDate Today(2026, 3, 4);   // a Wednesday

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int visibleGrowthWindows()
{
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<TGrowthRecordForm *>(window) && window->isVisible())
            ++shown;
    }
    return shown;
}

QList<qreal> values(const QBarSet *set)
{
    QList<qreal> all;
    for (int i = 0; i < set->count(); ++i)
        all.append(set->at(i));
    return all;
}

} // namespace

class GrowthRecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theHelpEntryOpensOneWindowInFront();
    void showsTheLogOfThisWeek();
    void adviceOpensTheWorksheet();
    void emptyLogShowsAnEmptyView();
    void damagedLogIsReportedOnceAndShowsEmpty();
    void opensAHundredThousandAnswers();
    void childrenSwitchByName();
    void exportsWhatIsShown();

private:
    void open();
    std::unique_ptr<TestWorld> m_world;
};

void GrowthRecordTest::init()
{
    m_world = std::make_unique<TestWorld>();
    m_world->clock.seconds = QDateTime(Today, QTime(19, 0)).toSecsSinceEpoch();
    m_world->start();
}

void GrowthRecordTest::cleanup()
{
    m_world.reset();
}

void GrowthRecordTest::open()
{
    GrowthRecordForm->Show();
    QCoreApplication::processEvents();
}

void GrowthRecordTest::theHelpEntryOpensOneWindowInFront()
{
    auto *panel = mymainForm->findChild<MenuPanel *>(u"RzPageControl1"_s);
    QAbstractButton *entry = panel->helpBar->item(0, 2);
    QCOMPARE(entry->text(), u"成长记录"_s);
    QVERIFY(!GrowthRecordForm->isVisible());
    click(entry);
    QVERIFY(GrowthRecordForm->isVisible());
    mymainForm->activateWindow();
    click(entry);
    QCOMPARE(visibleGrowthWindows(), 1);
    QVERIFY(QTest::qWaitForWindowActive(GrowthRecordForm));
    QCOMPARE(QApplication::activeWindow(), GrowthRecordForm);
    QCOMPARE(GrowthRecordForm->windowTitle(), u"成长记录"_s);
    // No log yet: opening the window makes none.
    QVERIFY(!QFile::exists(GrowthRecordForm->logFile()));
}

void GrowthRecordTest::showsTheLogOfThisWeek()
{
    const QDate monday(2026, 3, 2);
    writeHistory(GrowthRecordForm->logFile(), {
        answerAt(monday.addDays(-7), QTime(9, 0), u"addition"_s, u"7+8"_s, true),        // last week
        answerAt(monday.addDays(-7), QTime(9, 1), u"addition"_s, u"2+2"_s, true),
        answerAt(monday, QTime(9, 0), u"addition"_s, u"7+8"_s, false, 30'000),
        answerAt(monday, QTime(9, 1), u"addition"_s, u"7+8"_s, true, 30'000),
        answerAt(monday, QTime(9, 2), u"counting"_s, u"数一数 6"_s, true, 30'000),
        answerAt(Today, QTime(18, 0), u"addition"_s, u"6+7"_s, false, 60'000),
    });
    open();

    QVERIFY(GrowthRecordForm->weekButton->isChecked());
    QCOMPARE(GrowthRecordForm->summaryLabel->text(),
             u"本周（2026年3月2日–2026年3月4日）：答题 4 道，答对 50%，练习 3 分钟"_s);   // two and a half minutes
    QCOMPARE(GrowthRecordForm->streakLabel->text(), u"连续练习 1 天"_s);

    const QList<QBarSet *> days = GrowthRecordForm->daySeries->barSets();
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0]->label(), u"答对"_s);
    QCOMPARE(values(days[0]), (QList<qreal>{2, 0, 0}));
    QCOMPARE(values(days[1]), (QList<qreal>{1, 0, 1}));

    // Shares of right answers, this week against last week.
    const QList<QBarSet *> shares = GrowthRecordForm->activitySeries->barSets();
    QCOMPARE(shares.size(), 2);
    QCOMPARE(values(shares[0]), (QList<qreal>{100, 33}));   // counting, addition
    QCOMPARE(values(shares[1]), (QList<qreal>{0, 100}));
    QCOMPARE(shares[1]->label(), u"上周"_s);

    QTableWidget *hardest = GrowthRecordForm->hardestTable;
    QCOMPARE(hardest->rowCount(), 2);
    // As often wrong, the one never right first.
    QCOMPARE(hardest->item(0, 0)->text(), u"6+7"_s);
    QCOMPARE(hardest->item(0, 3)->text(), u"0 次"_s);
    QCOMPARE(hardest->item(1, 0)->text(), u"7+8"_s);
    QCOMPARE(hardest->item(1, 1)->text(), u"加法训练"_s);
    QCOMPARE(hardest->item(1, 2)->text(), u"2 次"_s);
    QCOMPARE(hardest->item(1, 3)->text(), u"1 次"_s);

    QVERIFY(GrowthRecordForm->adviceLabel->text().startsWith(u"“加法训练”答对的比例最低（33%）"_s));

    // All days: no period before to compare with.
    click(GrowthRecordForm->allButton);
    QCOMPARE(GrowthRecordForm->activitySeries->barSets().size(), 1);
    QCOMPARE(GrowthRecordForm->report().asked, 6);
    QCOMPARE(GrowthRecordForm->daySeries->barSets().first()->count(), 10);   // 23 February to 4 March
    QVERIFY(m_world->dialogs.shown.isEmpty());
}

void GrowthRecordTest::adviceOpensTheWorksheet()
{
    writeHistory(GrowthRecordForm->logFile(), {answerAt(Today, QTime(9, 0), u"subtraction"_s, u"9-4"_s, false)});
    open();
    QPushButton *practice = GrowthRecordForm->practiceButton;
    QVERIFY(practice->isVisible());
    QVERIFY(GrowthRecordForm->report().practice);
    click(practice);
    auto *preview = GrowthRecordForm->findChild<WorksheetPreview *>();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(int(preview->sheet().recipe.kind), int(Kind::Subtraction));
    preview->close();
}

void GrowthRecordTest::emptyLogShowsAnEmptyView()
{
    open();
    QCOMPARE(GrowthRecordForm->report().asked, 0);
    QCOMPARE(values(GrowthRecordForm->daySeries->barSets().first()), (QList<qreal>{0, 0, 0}));
    QVERIFY(GrowthRecordForm->activitySeries->barSets().first()->count() == 0);
    QCOMPARE(GrowthRecordForm->hardestTable->rowCount(), 0);
    QVERIFY(GrowthRecordForm->adviceLabel->text().contains(u"还没有答题记录"_s));
    QVERIFY(!GrowthRecordForm->practiceButton->isVisible());
    QCOMPARE(GrowthRecordForm->streakLabel->text(), u"连续练习 0 天"_s);
    QVERIFY(m_world->dialogs.shown.isEmpty());
}

void GrowthRecordTest::damagedLogIsReportedOnceAndShowsEmpty()
{
    const QString path = GrowthRecordForm->logFile();
    writeHistory(path, manyAnswers(2000, Today));
    QByteArray damaged = readBytes(path);
    for (qsizetype i = 100; i < damaged.size(); ++i)
        damaged[i] = char(0x5A ^ damaged[i]);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    open();
    QCOMPARE(m_world->dialogs.errors().size(), 1);
    QCOMPARE(m_world->dialogs.errors().first(),
             u"答题记录文件 “history.db” 已损坏或不是有效的记录文件。成长记录暂时显示为空；文件保持原样。"_s);
    QCOMPARE(GrowthRecordForm->report().asked, 0);
    QCOMPARE(GrowthRecordForm->hardestTable->rowCount(), 0);
    QCOMPARE(GrowthRecordForm->viewedChildBox->count(), 1);   // "全部孩子" alone
    // Another period shows the same empty view without a second message.
    click(GrowthRecordForm->monthButton);
    QCOMPARE(m_world->dialogs.errors().size(), 1);
    QCOMPARE(readBytes(path), damaged);
}

void GrowthRecordTest::opensAHundredThousandAnswers()
{
    const QList<HistoryRow> rows = manyAnswers(100'000, Today);
    writeHistory(GrowthRecordForm->logFile(), rows);
    open();
    click(GrowthRecordForm->allButton);
    const ProgressReport &report = GrowthRecordForm->report();
    QCOMPARE(report.asked, 100'000);
    QCOMPARE(report.right, int(std::count_if(rows.begin(), rows.end(), [](const HistoryRow &r) { return r.answered.right; })));
    QCOMPARE(report.activities.size(), 6);
    QCOMPARE(GrowthRecordForm->hardestTable->rowCount(), 10);
    QCOMPARE(GrowthRecordForm->viewedChildBox->count(), 3);
    QVERIFY(m_world->dialogs.shown.isEmpty());
}

void GrowthRecordTest::childrenSwitchByName()
{
    HistoryLog log(m_world->clock, m_world->dialogs, m_world->dataDir());
    log.record({u"addition"_s, u"1+1"_s, u"2"_s, true, 900});   // before any name
    open();
    QCOMPARE(GrowthRecordForm->childNameBox->currentText(), QString());

    // The parent enters a name and presses Enter.
    GrowthRecordForm->childNameBox->lineEdit()->setFocus();
    GrowthRecordForm->childNameBox->lineEdit()->insert(u" 小明 "_s);
    QTest::keyClick(GrowthRecordForm->childNameBox->lineEdit(), Qt::Key_Return);
    QCOMPARE(HistoryLog::currentChild(GrowthRecordForm->logFile()), u"小明"_s);
    QCOMPARE(GrowthRecordForm->viewedChildBox->currentText(), u"小明"_s);
    QCOMPARE(GrowthRecordForm->childNameHint->text(), u"答题记在“小明”名下"_s);
    log.record({u"addition"_s, u"2+2"_s, u"4"_s, true, 900});

    // The second child on the same computer.
    GrowthRecordForm->childNameBox->setEditText(u"小红"_s);
    click(GrowthRecordForm->childNameButton);
    log.record({u"counting"_s, u"数一数 3"_s, u"2"_s, false, 900});
    log.record({u"counting"_s, u"数一数 3"_s, u"3"_s, true, 900});

    GrowthRecordForm->hide();
    open();
    QCOMPARE(GrowthRecordForm->childNameBox->currentText(), u"小红"_s);
    QComboBox *viewed = GrowthRecordForm->viewedChildBox;
    QCOMPARE(viewed->count(), 3);
    QCOMPARE(viewed->itemText(1), u"小明"_s);
    QCOMPARE(viewed->itemText(2), u"小红"_s);
    QCOMPARE(viewed->currentText(), u"小红"_s);
    QCOMPARE(GrowthRecordForm->report().asked, 2);
    viewed->setCurrentIndex(1);
    Q_EMIT viewed->activated(1);
    QCOMPARE(GrowthRecordForm->report().asked, 1);
    viewed->setCurrentIndex(0);
    Q_EMIT viewed->activated(0);
    QCOMPARE(GrowthRecordForm->report().asked, 4);
    QVERIFY(m_world->dialogs.shown.isEmpty());
}

void GrowthRecordTest::exportsWhatIsShown()
{
    QList<HistoryRow> rows = manyAnswers(500, Today);
    writeHistory(GrowthRecordForm->logFile(), rows);
    open();
    click(GrowthRecordForm->monthButton);
    GrowthRecordForm->viewedChildBox->setCurrentText(u"小红"_s);
    Q_EMIT GrowthRecordForm->viewedChildBox->activated(GrowthRecordForm->viewedChildBox->currentIndex());

    const QList<HistoryRow> shown = GrowthRecordForm->shownRows();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.size(), GrowthRecordForm->report().asked);
    const QString csv = QDir(m_world->dataDir()).filePath(u"导出.csv"_s);
    GrowthRecordForm->exportCsv(csv);
    const QList<HistoryRow> back = rowsFromCsv(readBytes(csv));
    QCOMPARE(back.size(), shown.size());
    for (qsizetype i = 0; i < back.size(); ++i) {
        QCOMPARE(back[i].answeredAt, shown[i].answeredAt);
        QCOMPARE(back[i].child, u"小红"_s);
        QCOMPARE(back[i].answered.question, shown[i].answered.question);
        QCOMPARE(back[i].answered.right, shown[i].answered.right);
    }

    const QString pdf = QDir(m_world->dataDir()).filePath(u"本页.pdf"_s);
    GrowthRecordForm->exportPdf(pdf);
    QVERIFY(readBytes(pdf).startsWith("%PDF"));
    QVERIFY(readBytes(pdf).size() > 10'000);

    // A folder that cannot be written: a clear message, nothing half written.
    try {
        GrowthRecordForm->exportCsv(u"/nonexistent-folder/导出.csv"_s);
        QFAIL("exported");
    } catch (const AppError &e) {
        QVERIFY2(e.message().startsWith(u"无法保存表格文件"_s), qPrintable(e.message()));
    }
}

QTEST_MAIN(GrowthRecordTest)
#include "test_growthrecord.moc"
