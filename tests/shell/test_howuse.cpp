// The how-to-use window: its pages, texts and page buttons, walking the booklet, keeping the
// page between openings; and the splash window's layout.
#include "shell/howuse.h"
#include "shell/mainform.h"
#include "shell/splash.h"
#include "tests/support/testworld.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/picturebox.h"
#include "toolkit/speedbutton.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

const QStringList Captions{u"使用步骤1"_s, u"使用步骤2"_s, u"使用步骤3"_s, u"使用步骤4"_s,
                           u"使用步骤5"_s, u"使用步骤6"_s, u"使用步骤7"_s, u"使用步骤8"_s,
                           u"其它软件"_s};

QString activeCaption()
{
    const PageControl *pages = Form6->RzPageControl1;
    return pages->pageCaption(pages->activePageIndex());
}

// The page's next (`forward`) or previous button: a 57 × 57 speed button to its side.
QList<SpeedButton *> pageButtons(QWidget *page)
{
    return page->findChildren<SpeedButton *>(Qt::FindDirectChildrenOnly);
}

QLabel *labelWithText(QWidget *page, const QString &text)
{
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

} // namespace

class HowUseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pagesAndTheirButtons_data();
    void pagesAndTheirButtons();
    void textsStandWhereTheLayoutPutsThem_data();
    void textsStandWhereTheLayoutPutsThem();
    void nextAndPreviousWalkTheBooklet();
    void thePageIsKeptBetweenOpenings();
    void splashLayout();

private:
    std::unique_ptr<TestWorld> m_world;
};

void HowUseTest::init()
{
    m_world = std::make_unique<TestWorld>();
    m_world->start();
}

void HowUseTest::cleanup()
{
    m_world.reset();
}

void HowUseTest::pagesAndTheirButtons_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("previous"); // "name left top", empty: none
    QTest::addColumn<QString>("next");

    const QList<std::array<QString, 3>> rows{
        {u"TabSheet1"_s, QString(), u"SpeedButton1 720 456"_s},
        {u"TabSheet2"_s, u"SpeedButton3 664 384"_s, u"SpeedButton4 720 384"_s},
        {u"TabSheet3"_s, u"SpeedButton5 672 408"_s, u"SpeedButton6 728 408"_s},
        {u"TabSheet4"_s, u"SpeedButton7 656 400"_s, u"SpeedButton8 712 400"_s},
        {u"TabSheet6"_s, u"SpeedButton9 672 392"_s, u"SpeedButton10 728 392"_s},
        {u"TabSheet7"_s, u"SpeedButton11 672 384"_s, u"SpeedButton12 728 384"_s},
        {u"TabSheet8"_s, u"SpeedButton13 664 368"_s, u"SpeedButton14 720 368"_s},
        {u"TabSheet10"_s, u"SpeedButton15 664 384"_s, u"SpeedButton16 720 384"_s},
        {u"TabSheet11"_s, QString(), QString()},
    };
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(Captions.at(i))) << i << rows[i][0] << rows[i][1] << rows[i][2];
}

void HowUseTest::pagesAndTheirButtons()
{
    QFETCH(int, page);
    QFETCH(QString, sheet);
    QFETCH(QString, previous);
    QFETCH(QString, next);

    QCOMPARE(Form6->windowTitle(), u"如何使用软件"_s);
    QCOMPARE(Form6->size(), QSize(804, 594));
    const PageControl *pages = Form6->RzPageControl1;
    QCOMPARE(pages->geometry(), QRect(0, 29, 804, 565));
    QCOMPARE(pages->tabHeight(), 19);
    QCOMPARE(pages->pageCount(), Captions.size());
    QCOMPARE(pages->pageCaption(page), Captions.at(page));
    QWidget *sheetWidget = pages->page(page);
    QCOMPARE(sheetWidget->objectName(), sheet);

    QStringList expected;
    for (const QString &button : {previous, next}) {
        if (!button.isEmpty())
            expected.append(button);
    }
    QStringList found;
    for (const SpeedButton *button : pageButtons(sheetWidget)) {
        QCOMPARE(button->size(), QSize(57, 57));
        found.append(button->objectName() + u' ' + QString::number(button->x()) + u' '
                     + QString::number(button->y()));
    }
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

void HowUseTest::textsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    const QColor teal(0x00, 0x80, 0x80);
    const QColor magenta(0xc0, 0x00, 0xc0);
    const QColor ink(0x1b, 0x1b, 0x1b);
    QTest::newRow("title") << 0 << u"一、软件设计思想"_s << QPoint(160, 11) << teal;
    QTest::newRow("magenta") << 0 << u"所有数字计算练习，每次<点击>打开内容都是不一样的。"_s
                             << QPoint(32, 104) << magenta;
    QTest::newRow("plain") << 0 << u"4、做数学计算练习时要求控制时间在10~15分钟/两页"_s << QPoint(16, 293)
                           << ink;
    QTest::newRow("beside the picture") << 0 << u"只列举了部分功能图片，详细功能请查看软件界面左边区域。"_s
                                        << QPoint(409, 410) << magenta;
    QTest::newRow("step 3 title") << 2 << u"七、数一数字母的个数"_s << QPoint(576, 56) << teal;
    QTest::newRow("step 5 two lines") << 4 << u"粗细等的自然现象和逻辑概念。"_s << QPoint(112, 392)
                                      << ink;
    QTest::newRow("step 8 remark") << 7 << u"注：做练习、玩游戏"_s << QPoint(528, 320) << ink;
}

void HowUseTest::textsStandWhereTheLayoutPutsThem()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);

    QWidget *sheet = Form6->RzPageControl1->page(page);
    const QLabel *label = labelWithText(sheet, text);
    QVERIFY(label);
    QCOMPARE(label->pos(), at);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    // Whole on its page, and clear of the page buttons.
    QVERIFY(sheet->rect().contains(label->geometry()));
    for (const SpeedButton *button : pageButtons(sheet))
        QVERIFY(!button->geometry().intersects(label->geometry()));
}

void HowUseTest::nextAndPreviousWalkTheBooklet()
{
    Form6->Show();
    QCOMPARE(activeCaption(), u"使用步骤1"_s);
    QStringList walked{activeCaption()};
    // Forward with each page's own next button, to the last page, which has none.
    for (int guard = 0; guard < 20; ++guard) {
        QWidget *page = Form6->RzPageControl1->activePage();
        SpeedButton *next = nullptr;
        for (SpeedButton *button : pageButtons(page)) {
            if (button->toolTip() == u"下一页"_s)
                next = button;
        }
        if (!next)
            break;
        QVERIFY(next->isVisible());
        QTest::mouseClick(next, Qt::LeftButton);
        walked.append(activeCaption());
    }
    QCOMPARE(walked, Captions);

    // Back with the previous buttons, from "使用步骤8" to the first page, which has none.
    Form6->RzPageControl1->setActivePageIndex(7);
    walked = QStringList{activeCaption()};
    for (int guard = 0; guard < 20; ++guard) {
        SpeedButton *previous = nullptr;
        for (SpeedButton *button : pageButtons(Form6->RzPageControl1->activePage())) {
            if (button->toolTip() == u"上一页"_s)
                previous = button;
        }
        if (!previous)
            break;
        QTest::mouseClick(previous, Qt::LeftButton);
        walked.append(activeCaption());
    }
    const QStringList steps = Captions.mid(0, 8);
    QCOMPARE(walked, QStringList(steps.crbegin(), steps.crend()));
}

void HowUseTest::thePageIsKeptBetweenOpenings()
{
    QCOMPARE(activeCaption(), u"使用步骤1"_s);
    Form6->Show();
    // Centred over the main window.
    QCOMPARE(Form6->geometry().center(), mymainForm->geometry().center());
    QVERIFY(Form6->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Form6->SpeedButton1Click();
    Form6->SpeedButton1Click();
    Form6->SpeedButton2Click();
    QCOMPARE(activeCaption(), u"使用步骤2"_s);
    Form6->RzPageControl1->setActivePageIndex(7);
    Form6->SpeedButton1Click();
    QCOMPARE(activeCaption(), u"其它软件"_s);
    QVERIFY(Form6->close());
    QVERIFY(!Form6->isVisible());
    Form6->Show();
    QCOMPARE(activeCaption(), u"其它软件"_s);
    // The pages show pictures.
    const auto pictures = Form6->RzPageControl1->page(5)->findChildren<PictureBox *>();
    QCOMPARE(pictures.size(), 2);
    for (const PictureBox *picture : pictures)
        QVERIFY2(!picture->picture().isNull(), qPrintable(picture->objectName()));
}

void HowUseTest::splashLayout()
{
    TSplashForm splash;
    QCOMPARE(splash.size(), QSize(338, 183));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.Image1->geometry(), splash.rect());
    QVERIFY(!splash.Image1->picture().isNull());
    const QLabel *loading = splash.findChild<QLabel *>(u"Label1"_s);
    QVERIFY(loading);
    QCOMPARE(loading->text(), u"正在载入资源. . . . . ."_s);
    QCOMPARE(loading->pos(), QPoint(112, 122));
    const QLabel *credit = splash.findChild<QLabel *>(u"Label2"_s);
    QVERIFY(credit && !credit->text().isEmpty());
    // Both lines whole inside the window.
    for (const QLabel *label : {loading, credit})
        QVERIFY(splash.rect().contains(QRect(label->pos(), label->sizeHint())));
}

QTEST_MAIN(HowUseTest)
#include "test_howuse.moc"
