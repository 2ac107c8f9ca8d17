// The age tabs on the main window: their pages, groups, entries and start states, the
// groups opening and closing, nothing clipped, and the entry that opens the how-to-use window.
#include "shell/howuse.h"
#include "shell/mainform.h"
#include "shell/menupanel.h"
#include "tests/support/testworld.h"
#include "toolkit/groupbar.h"
#include "toolkit/pagecontrol.h"
#include "worksheets/curriculum.h"
#include "worksheets/worksheetpreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QAction>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

QStringList captions(const PageControl *pages)
{
    QStringList list;
    for (int i = 0; i < pages->pageCount(); ++i)
        list.append(pages->pageCaption(i));
    return list;
}

PageControl *innerPages(const MenuPanel *panel, int tab)
{
    const QList<PageControl *> inner{panel->RzPageControl5, panel->RzPageControl4,
                                     panel->RzPageControl3, panel->RzPageControl2};
    return inner.at(tab);
}

// The group bar of an inner page, found by the page's caption.
GroupBar *pageBar(const MenuPanel *panel, int tab, const QString &page)
{
    const PageControl *pages = innerPages(panel, tab);
    for (int i = 0; i < pages->pageCount(); ++i) {
        if (pages->pageCaption(i) == page)
            return pages->page(i)->findChild<GroupBar *>();
    }
    return nullptr;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Every entry button of an age tab's numbered pages, in menu order, with where it stands.
struct EntryButton
{
    QString tab;
    QString page;
    QString group;
    QAbstractButton *button;
};

QList<EntryButton> entryButtons(const MenuPanel *panel)
{
    QList<EntryButton> list;
    for (int tab = 0; tab < 4; ++tab) {
        const PageControl *pages = innerPages(panel, tab);
        for (int p = 0; p < pages->pageCount(); ++p) {
            const GroupBar *bar = pages->page(p)->findChild<GroupBar *>();
            for (int g = 0; g < bar->groupCount(); ++g) {
                for (int i = 0; i < bar->itemCount(g); ++i)
                    list.append({panel->pageCaption(tab), pages->pageCaption(p), bar->groupCaption(g), bar->item(g, i)});
            }
        }
    }
    return list;
}

} // namespace

class MenuPanelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tabsAndTheHelpTabAtStart();
    void innerPagesOfEachAge_data();
    void innerPagesOfEachAge();
    void groupsEntriesAndStartStates_data();
    void groupsEntriesAndStartStates();
    void groupsOpenAndCloseOnTheirCaptions();
    void nothingIsClippedAndLongPagesScroll();
    void howToUseOpensOneWindowInFront();
    void everyEntryIsAWorksheet();
    void anEntryOpensThePreviewOfItsOwnSheet_data();
    void anEntryOpensThePreviewOfItsOwnSheet();
    void stagesBringTheirPagesToTheFront_data();
    void stagesBringTheirPagesToTheFront();

private:
    std::unique_ptr<TestWorld> m_world;
    MenuPanel *m_panel = nullptr;
};

void MenuPanelTest::init()
{
    m_world = std::make_unique<TestWorld>();
    m_world->start();
    m_panel = mymainForm->findChild<MenuPanel *>(u"RzPageControl1"_s);
    QVERIFY(m_panel);
}

void MenuPanelTest::cleanup()
{
    m_world.reset();
}

void MenuPanelTest::tabsAndTheHelpTabAtStart()
{
    QCOMPARE(m_panel->geometry(), QRect(11, 130, 270, 615));
    QCOMPARE(captions(m_panel), (QStringList{u"学前准备"_s, u"四岁"_s, u"五岁"_s, u"六岁"_s, u"帮助"_s}));
    QCOMPARE(m_panel->activePage(), m_panel->TabSheet13);
    QCOMPARE(m_panel->activePage()->objectName(), u"TabSheet13"_s);
    QVERIFY(m_panel->isVisible() && m_panel->TabSheet13->isVisible());

    GroupBar *help = m_panel->helpBar;
    QCOMPARE(help->style(), GroupBar::Style::SingleGroup);
    QCOMPARE(help->groupCount(), 1);
    QCOMPARE(help->groupCaption(0), u"关于软件"_s);
    QCOMPARE(help->groupWidget(0)->objectName(), u"RzGroup22"_s);
    QCOMPARE(help->item(0, 0)->text(), u"如何使用"_s);
    QCOMPARE(help->item(0, 1)->text(), u"知识宝库"_s);
    QCOMPARE(help->item(0, 2)->text(), u"成长记录"_s);
    QVERIFY(help->item(0, 0)->isVisible());

    // A click on a tab shows its page.
    QTest::mouseClick(m_panel, Qt::LeftButton, {}, m_panel->tabRect(1).center());
    QCOMPARE(m_panel->activePage(), m_panel->TabSheet2);
    QVERIFY(m_panel->TabSheet2->isVisible() && !m_panel->TabSheet13->isVisible());
}

void MenuPanelTest::innerPagesOfEachAge_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pagesName");
    QTest::addColumn<QStringList>("stages");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("startPage");

    QTest::newRow("学前准备") << 0 << u"RzPageControl5"_s
                          << QStringList{u"阶段练习一 （物体涂色）"_s, u"阶段练习二 （描画物体）"_s,
                                         u"阶段练习三 （数一数画圈）"_s, u"阶段练习四 （画线）"_s,
                                         u"阶段练习五 （描数字）"_s, u"阶段练习六 （写数字）"_s}
                          << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s} << u"2"_s;
    QTest::newRow("四岁") << 1 << u"RzPageControl4"_s
                        << QStringList{u"阶段练习一 （ 数 数小动物）"_s, u"阶段练习二 （自己数一数）"_s,
                                       u"阶段练习三 （补填数字一）"_s, u"阶段练习四 （补填数字二）"_s,
                                       u"阶段练习五 （看图加法）"_s, u"阶段练习六（加法及扩展）"_s}
                        << QStringList{u"2"_s, u"3"_s, u"4"_s, u"6"_s} << u"6"_s;
    QTest::newRow("五岁") << 2 << u"RzPageControl3"_s
                        << QStringList{u"阶段练习一（整10加法）"_s, u"阶段练习二（连加概念）"_s,
                                       u"阶段练习三（看图减法）"_s, u"阶段练习四（减法扩展）"_s,
                                       u"阶段练习五（整10减法）"_s, u"阶段练习六（连减概念）"_s}
                        << QStringList{u"1"_s, u"2"_s, u"4"_s, u"5"_s, u"6"_s} << u"1"_s;
    QTest::newRow("六岁") << 3 << u"RzPageControl2"_s
                        << QStringList{u"阶段练习一（混合加减）"_s, u"阶段练习二（组合加法）"_s,
                                       u"阶段练习三（组合减法）"_s, u"阶段练习四（9以内乘法）"_s,
                                       u"阶段练习五（除法）"_s, u"阶段练习六（竖式综合）"_s,
                                       u"分数初步（数学方法运用）"_s}
                        << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s} << u"1"_s;
}

void MenuPanelTest::innerPagesOfEachAge()
{
    QFETCH(int, tab);
    QFETCH(QString, pagesName);
    QFETCH(QStringList, stages);
    QFETCH(QStringList, pages);
    QFETCH(QString, startPage);

    m_panel->setActivePageIndex(tab);
    QWidget *sheet = m_panel->activePage();

    // The stage list: one group, always open, that a click on its caption does not close.
    const QList<GroupBar *> bars = sheet->findChildren<GroupBar *>();
    GroupBar *stageBar = nullptr;
    for (GroupBar *bar : bars) {
        if (bar->style() == GroupBar::Style::SingleGroup)
            stageBar = bar;
    }
    QVERIFY(stageBar);
    QCOMPARE(stageBar->groupCount(), 1);
    QCOMPARE(stageBar->groupCaption(0), u"教学项目选择"_s);
    QStringList shown;
    for (int i = 0; i < stageBar->itemCount(0); ++i)
        shown.append(stageBar->item(0, i)->text());
    QCOMPARE(shown, stages);
    click(stageBar->captionStrip(0));
    QVERIFY(stageBar->isGroupOpen(0));

    PageControl *inner = innerPages(m_panel, tab);
    QCOMPARE(inner->objectName(), pagesName);
    QCOMPARE(inner->parentWidget(), sheet);
    QCOMPARE(captions(inner), pages);
    QCOMPARE(inner->pageCaption(inner->activePageIndex()), startPage);
}

void MenuPanelTest::groupsEntriesAndStartStates_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QList<bool>>("open");
    QTest::addColumn<QList<int>>("counts");
    // Per group: its first and last entry.
    QTest::addColumn<QStringList>("ends");

    QTest::newRow("学前准备 1") << 0 << u"1"_s
        << QStringList{u"几何形状涂色"_s, u"数字、字母涂色"_s, u"简单物体涂色"_s}
        << QList<bool>{false, false, true} << QList<int>{11, 6, 11}
        << QStringList{u"几何涂色1"_s, u"几何涂色11"_s, u"物体涂色1"_s, u"物体涂色6"_s,
                       u"物体涂色1"_s, u"物体涂色11"_s};
    QTest::newRow("学前准备 5") << 0 << u"5"_s << QStringList{u"描数字"_s} << QList<bool>{true}
        << QList<int>{5} << QStringList{u"1  ~  2  描数字"_s, u"9~ 10 描数字"_s};
    QTest::newRow("四岁 4") << 1 << u"4"_s << QStringList{u"可选练习/ 测试项目"_s} << QList<bool>{true}
        << QList<int>{10} << QStringList{u"110以内补填数字"_s, u"200以内补填数字"_s};
    QTest::newRow("四岁 6") << 1 << u"6"_s
        << QStringList{u"10以内加法练习"_s, u"20以内加法练习"_s, u"100以内加法练习"_s}
        << QList<bool>{false, false, true} << QList<int>{10, 10, 12}
        << QStringList{u"随机加1练习"_s, u"随机加10以内随机数"_s, u"随机加2练习"_s,
                       u"随机加20以内数字练习"_s, u"随机加2练习"_s, u"随机加100以内数字练习"_s};
    QTest::newRow("五岁 1") << 2 << u"1"_s << QStringList{u"可选练习/ 测试项目"_s} << QList<bool>{true}
        << QList<int>{10} << QStringList{u"随机整10数加整10练习"_s, u"随机整50加法练习"_s};
    QTest::newRow("五岁 4") << 2 << u"4"_s
        << QStringList{u"10以内减法练习"_s, u"20以内减法练习"_s, u"100以内减法练习"_s}
        << QList<bool>{false, true, true} << QList<int>{9, 9, 11}
        << QStringList{u"随机减1练习"_s, u"随机减法练习"_s, u"随机减1练习"_s, u"随机减9练习"_s,
                       u"随机减1练习"_s, u"随机减法练习"_s};
    QTest::newRow("五岁 5") << 2 << u"5"_s << QStringList{u"可选练习/ 测试项目"_s} << QList<bool>{true}
        << QList<int>{4} << QStringList{u"随机整10数减整20以内 练习"_s, u"随机整10数减整50以内 练习"_s};
    QTest::newRow("六岁 3") << 3 << u"3"_s
        << QStringList{u"A类组合减法练习"_s, u"B类组合减法练习"_s} << QList<bool>{false, true}
        << QList<int>{10, 10}
        << QStringList{u"10以内组合减法"_s, u"100以内组合减法"_s, u"10以内组合减法"_s,
                       u"100以内组合减法"_s};
    QTest::newRow("六岁 4") << 3 << u"4"_s << QStringList{u"乘法"_s} << QList<bool>{true}
        << QList<int>{8} << QStringList{u"随机2以内乘法"_s, u"随机9以内乘法"_s};
    QTest::newRow("六岁 5") << 3 << u"5"_s << QStringList{u"无余数的除法"_s, u"有余数的除法"_s}
        << QList<bool>{false, true} << QList<int>{10, 10}
        << QStringList{u"整除除法1"_s, u"整除除法10"_s, u"余数除法练习1"_s, u"余数除法练习10"_s};
}

void MenuPanelTest::groupsEntriesAndStartStates()
{
    QFETCH(int, tab);
    QFETCH(QString, page);
    QFETCH(QStringList, groups);
    QFETCH(QList<bool>, open);
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, ends);

    GroupBar *bar = pageBar(m_panel, tab, page);
    QVERIFY(bar);
    QCOMPARE(bar->style(), GroupBar::Style::Groups);
    QCOMPARE(bar->groupCount(), groups.size());
    for (int g = 0; g < groups.size(); ++g) {
        QCOMPARE(bar->groupCaption(g), groups.at(g));
        QCOMPARE(bar->isGroupOpen(g), open.at(g));
        QCOMPARE(bar->itemCount(g), counts.at(g));
        QCOMPARE(bar->item(g, 0)->text(), ends.at(2 * g));
        QCOMPARE(bar->item(g, counts.at(g) - 1)->text(), ends.at(2 * g + 1));
    }
}

void MenuPanelTest::groupsOpenAndCloseOnTheirCaptions()
{
    m_panel->setActivePageIndex(1);
    GroupBar *bar = pageBar(m_panel, 1, u"6"_s);
    QVERIFY(bar->isVisible());
    QVERIFY(!bar->item(0, 0)->isVisible());
    click(bar->captionStrip(0));
    QVERIFY(bar->isGroupOpen(0));
    QVERIFY(bar->item(0, 0)->isVisible());
    // Several groups open at once.
    click(bar->captionStrip(1));
    QVERIFY(bar->isGroupOpen(0) && bar->isGroupOpen(1) && bar->isGroupOpen(2));
    click(bar->captionStrip(2));
    click(bar->captionStrip(0));
    QVERIFY(!bar->isGroupOpen(0) && bar->isGroupOpen(1) && !bar->isGroupOpen(2));
    QVERIFY(!bar->item(2, 0)->isVisible());
    // An entry without an action leaves everything as it was.
    const QWidget *active = QApplication::activeWindow();
    click(bar->item(1, 3));
    QVERIFY(!Form6->isVisible());
    QCOMPARE(QApplication::activeWindow(), active);
}

void MenuPanelTest::nothingIsClippedAndLongPagesScroll()
{
    // Every bar lies inside the panel, every caption fits its entry, and a bar whose content
    // is longer than its page scrolls to its last entry.
    const QRect panelArea = m_panel->rect();
    bool someScroll = false;
    for (int tab = 0; tab < m_panel->pageCount(); ++tab) {
        m_panel->setActivePageIndex(tab);
        // A numbered page makes its bar when first asked for: ask for all of them.
        for (const PageControl *pages : m_panel->page(tab)->findChildren<PageControl *>()) {
            for (int p = 0; p < pages->pageCount(); ++p)
                QVERIFY(pages->page(p)->findChild<GroupBar *>());
        }
        for (GroupBar *bar : m_panel->page(tab)->findChildren<GroupBar *>()) {
            if (PageControl *pages = qobject_cast<PageControl *>(bar->parentWidget()->parentWidget()->parentWidget()))
                pages->setActivePage(bar->parentWidget()->parentWidget());
            for (int g = 0; g < bar->groupCount(); ++g)
                bar->setGroupOpen(g, true);
            QCoreApplication::processEvents();
            const QRect area(bar->mapTo(m_panel, QPoint()), bar->size());
            QVERIFY2(panelArea.contains(area), qPrintable(bar->groupCaption(0)));
            for (int g = 0; g < bar->groupCount(); ++g) {
                for (int i = 0; i < bar->itemCount(g); ++i) {
                    QAbstractButton *item = bar->item(g, i);
                    const int needed = item->fontMetrics().horizontalAdvance(item->text()) + 36;
                    QVERIFY2(needed <= item->width(), qPrintable(item->text()));
                }
            }
            QScrollBar *scroll = bar->verticalScrollBar();
            if (scroll->maximum() > 0) {
                someScroll = true;
                QAbstractButton *last = bar->item(bar->groupCount() - 1,
                                                  bar->itemCount(bar->groupCount() - 1) - 1);
                bar->ensureWidgetVisible(last);
                const QRect shown(last->mapTo(bar->viewport(), QPoint()), last->size());
                QVERIFY(bar->viewport()->rect().contains(shown));
            }
        }
    }
    QVERIFY(someScroll);
}

void MenuPanelTest::howToUseOpensOneWindowInFront()
{
    QAbstractButton *howTo = m_panel->helpBar->item(0, 0);
    QVERIFY(!Form6->isVisible());
    click(howTo);
    QVERIFY(Form6->isVisible());
    click(howTo);
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<TForm6 *>(window) && window->isVisible())
            ++shown;
    }
    QCOMPARE(shown, 1);
    QVERIFY(QTest::qWaitForWindowActive(Form6));
    QCOMPARE(QApplication::activeWindow(), Form6);
    QVERIFY(Form6->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Closed and asked for again, the same window comes back.
    Form6->close();
    click(howTo);
    QVERIFY(Form6->isVisible());
    // "知识宝库" has no action.
    Form6->close();
    click(m_panel->helpBar->item(0, 1));
    QVERIFY(!Form6->isVisible());
}


void MenuPanelTest::everyEntryIsAWorksheet()
{
    // The menu and the worksheets' table list the same entries in the same places.
    const QList<EntryButton> buttons = entryButtons(m_panel);
    const QList<CurriculumEntry> &entries = curriculum();
    QCOMPARE(buttons.size(), entries.size());
    for (int i = 0; i < buttons.size(); ++i) {
        const EntryButton &shown = buttons.at(i);
        QCOMPARE(shown.tab, entries.at(i).tab);
        QCOMPARE(shown.page, entries.at(i).page);
        QCOMPARE(shown.group, entries.at(i).group);
        QCOMPARE(shown.button->text(), entries.at(i).caption);
        QCOMPARE(shown.button->toolTip(), u"预览/打印"_s);
    }
}

void MenuPanelTest::anEntryOpensThePreviewOfItsOwnSheet_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("limit");

    // The same caption in three groups: each its own range.
    QTest::newRow("四岁 10以内") << 1 << u"10以内加法练习"_s << u"随机加2练习"_s << 10;
    QTest::newRow("四岁 100以内") << 1 << u"100以内加法练习"_s << u"随机加2练习"_s << 100;
    QTest::newRow("学前准备") << 0 << u"简单物体涂色"_s << u"物体涂色1"_s << 0;
    QTest::newRow("六岁") << 3 << u"有余数的除法"_s << u"余数除法练习10"_s << 12;
}

void MenuPanelTest::anEntryOpensThePreviewOfItsOwnSheet()
{
    QFETCH(int, tab);
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QFETCH(int, limit);

    m_panel->setActivePageIndex(tab);
    for (const EntryButton &entry : entryButtons(m_panel)) {
        if (entry.group != group || entry.button->text() != caption)
            continue;
        entry.button->click();
        auto *preview = mymainForm->findChild<WorksheetPreview *>();
        QVERIFY(preview);
        QTRY_VERIFY(preview->isVisible());
        QCOMPARE(preview->sheet().title, caption);
        QCOMPARE(preview->sheet().recipe.limit, limit);
        QVERIFY(!preview->sheet().exercises.isEmpty());
        QVERIFY(preview->windowTitle().contains(caption));

        // "换一套": the same kind, other exercises.
        const Worksheet first = preview->sheet();
        QSignalSpy painted(preview, &WorksheetPreview::pagesPainted);
        preview->showNewSet(first.seed + 1);
        QCOMPARE(painted.size(), 1);
        QCOMPARE(preview->sheet().recipe.kind, first.recipe.kind);
        QCOMPARE(preview->sheet().seed, first.seed + 1);
        QVERIFY(preview->newSetAction()->isEnabled());

        preview->close();
        QTRY_VERIFY(!mymainForm->findChild<WorksheetPreview *>());
        return;
    }
    QFAIL("entry not found");
}

void MenuPanelTest::stagesBringTheirPagesToTheFront_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("page"); // empty: the stage has no page, nothing changes

    QTest::newRow("学前准备 一") << 0 << 0 << u"1"_s;
    QTest::newRow("学前准备 六") << 0 << 5 << u"6"_s;
    QTest::newRow("四岁 一, no page") << 1 << 0 << QString();
    QTest::newRow("四岁 四") << 1 << 3 << u"4"_s;
    QTest::newRow("四岁 五, no page") << 1 << 4 << QString();
    QTest::newRow("五岁 二") << 2 << 1 << u"2"_s;
    QTest::newRow("六岁 分数初步, no page") << 3 << 6 << QString();
}

void MenuPanelTest::stagesBringTheirPagesToTheFront()
{
    QFETCH(int, tab);
    QFETCH(int, stage);
    QFETCH(QString, page);

    m_panel->setActivePageIndex(tab);
    GroupBar *stages = nullptr;
    for (GroupBar *bar : m_panel->activePage()->findChildren<GroupBar *>()) {
        if (bar->style() == GroupBar::Style::SingleGroup)
            stages = bar;
    }
    QVERIFY(stages);
    PageControl *inner = innerPages(m_panel, tab);
    const QString before = inner->pageCaption(inner->activePageIndex());
    click(stages->item(0, stage));
    QCOMPARE(inner->pageCaption(inner->activePageIndex()), page.isEmpty() ? before : page);
    QVERIFY(inner->activePage()->isVisible());
}

QTEST_MAIN(MenuPanelTest)
#include "test_menupanel.moc"
