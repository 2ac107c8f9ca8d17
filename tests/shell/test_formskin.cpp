// A window's skin style sheet reaches all of its controls, whenever the window is first
// shown or drawn, however the controls were laid out before.
#include "toolkit/form.h"
#include "toolkit/skin.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

const QColor SheetRed(0xff, 0x00, 0x00);
const QColor SheetBlue(0x00, 0x00, 0xff);

Skin redButtonsBlueLabels()
{
    Skin skin;
    skin.styleSheet = u"QPushButton { color: #ff0000; } QLabel { color: #0000ff; }"_s;
    return skin;
}

} // namespace

class FormSkinTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheetReachesEveryControl_data()
    {
        QTest::addColumn<bool>("measuredBefore"); // controls polished before the skin
        QTest::addColumn<bool>("shown");          // shown, or only drawn off screen
        QTest::addColumn<bool>("eventsBetween");  // the event loop ran while it was hidden
        QTest::newRow("measured, shown") << true << true << true;
        QTest::newRow("measured, drawn") << true << false << true;
        QTest::newRow("fresh, shown") << false << true << false;
        QTest::newRow("fresh, drawn, no events") << false << false << false;
    }

    void sheetReachesEveryControl()
    {
        QFETCH(bool, measuredBefore);
        QFETCH(bool, shown);
        QFETCH(bool, eventsBetween);
        Form form(u"SkinnedForm"_s, u"皮肤"_s, QSize(300, 200));
        auto *button = new QPushButton(u"确定"_s, &form);
        auto *label = new QLabel(u"数一数"_s, &form);
        if (measuredBefore) {
            button->adjustSize();
            label->adjustSize();
        }
        form.applySkin(redButtonsBlueLabels());
        QVERIFY(form.skinStyleSheet().contains(u"QPushButton"_s));
        if (eventsBetween)
            QCoreApplication::processEvents();
        // A control added after the skin takes it too.
        auto *late = new QPushButton(u"取消"_s, &form);

        if (shown) {
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
        } else {
            form.grab();
        }
        QCOMPARE(button->palette().color(QPalette::ButtonText), SheetRed);
        QCOMPARE(late->palette().color(QPalette::ButtonText), SheetRed);
        QCOMPARE(label->palette().color(QPalette::WindowText), SheetBlue);

        // A new skin on a polished window reaches the controls at once.
        Skin green;
        green.styleSheet = u"QPushButton { color: #00ff00; }"_s;
        form.applySkin(green);
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0x00, 0xff, 0x00));
    }
};

QTEST_MAIN(FormSkinTest)
#include "test_formskin.moc"
