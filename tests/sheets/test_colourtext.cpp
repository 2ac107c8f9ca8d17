// The colour texts of the colouring exercise's colour sets: names, numbers and garbage.

#include "sheets/colourtext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using abacolo::colourFromText;

namespace {

// A desktop whose every role has a colour of its own, so that a wrong role shows.
QPalette distinctDesktop()
{
    QPalette palette;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        if (r == QPalette::NoRole)
            continue;
        palette.setColor(QPalette::Active, r, QColor(shade, 200 - shade, 7));
        palette.setColor(QPalette::Inactive, r, QColor(shade, 200 - shade, 7));
        palette.setColor(QPalette::Disabled, r, QColor(shade, 200 - shade, 99));
        shade += 7;
    }
    return palette;
}

QColor active(QPalette::ColorRole role)
{
    return distinctDesktop().color(QPalette::Active, role);
}

} // namespace

class TestColourText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsColours_data();
    void readsColours();
    void everyNameIgnoresCase_data();
    void everyNameIgnoresCase();
    void rejectsGarbage_data();
    void rejectsGarbage();
};

void TestColourText::readsColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");

    // The twenty fixed colours.
    QTest::newRow("clBlack") << u"clBlack"_s << QColor(0, 0, 0);
    QTest::newRow("clMaroon") << u"clMaroon"_s << QColor(128, 0, 0);
    QTest::newRow("clGreen") << u"clGreen"_s << QColor(0, 128, 0);
    QTest::newRow("clOlive") << u"clOlive"_s << QColor(128, 128, 0);
    QTest::newRow("clNavy") << u"clNavy"_s << QColor(0, 0, 128);
    QTest::newRow("clPurple") << u"clPurple"_s << QColor(128, 0, 128);
    QTest::newRow("clTeal") << u"clTeal"_s << QColor(0, 128, 128);
    QTest::newRow("clGray") << u"clGray"_s << QColor(128, 128, 128);
    QTest::newRow("clSilver") << u"clSilver"_s << QColor(192, 192, 192);
    QTest::newRow("clRed") << u"clRed"_s << QColor(255, 0, 0);
    QTest::newRow("clLime") << u"clLime"_s << QColor(0, 255, 0);
    QTest::newRow("clYellow") << u"clYellow"_s << QColor(255, 255, 0);
    QTest::newRow("clBlue") << u"clBlue"_s << QColor(0, 0, 255);
    QTest::newRow("clFuchsia") << u"clFuchsia"_s << QColor(255, 0, 255);
    QTest::newRow("clAqua") << u"clAqua"_s << QColor(0, 255, 255);
    QTest::newRow("clWhite") << u"clWhite"_s << QColor(255, 255, 255);
    QTest::newRow("clMoneyGreen") << u"clMoneyGreen"_s << QColor(192, 220, 192);
    QTest::newRow("clSkyBlue") << u"clSkyBlue"_s << QColor(166, 202, 240);
    QTest::newRow("clCream") << u"clCream"_s << QColor(255, 251, 240);
    QTest::newRow("clMedGray") << u"clMedGray"_s << QColor(160, 160, 164);

    // Case and surrounding blanks do not matter.
    QTest::newRow("upper case") << u"CLRED"_s << QColor(255, 0, 0);
    QTest::newRow("mixed case") << u"ClSkYbLuE"_s << QColor(166, 202, 240);
    QTest::newRow("blanks") << u"  clBlue\t"_s << QColor(0, 0, 255);

    // Desktop colours come from the palette roles that play their part.
    QTest::newRow("clBtnFace") << u"clBtnFace"_s << active(QPalette::Button);
    QTest::newRow("clWindow") << u"clWindow"_s << active(QPalette::Base);
    QTest::newRow("clHighlight") << u"clHighlight"_s << active(QPalette::Highlight);
    QTest::newRow("clHighlightText") << u"clHighlightText"_s << active(QPalette::HighlightedText);
    QTest::newRow("clWindowText") << u"clWindowText"_s << active(QPalette::WindowText);
    QTest::newRow("clBtnText") << u"clBtnText"_s << active(QPalette::ButtonText);
    QTest::newRow("clGrayText") << u"clGrayText"_s
                                << distinctDesktop().color(QPalette::Disabled, QPalette::Text);
    QTest::newRow("clInfoBk") << u"clInfoBk"_s << active(QPalette::ToolTipBase);
    QTest::newRow("clInfoText") << u"clInfoText"_s << active(QPalette::ToolTipText);
    QTest::newRow("clBtnShadow") << u"clBtnShadow"_s << active(QPalette::Dark);
    QTest::newRow("clBtnHighlight") << u"clBtnHighlight"_s << active(QPalette::Light);
    QTest::newRow("cl3DDkShadow") << u"cl3DDkShadow"_s << active(QPalette::Shadow);
    QTest::newRow("cl3DLight") << u"cl3DLight"_s << active(QPalette::Midlight);
    QTest::newRow("clMenu") << u"clMenu"_s << active(QPalette::Window);
    QTest::newRow("clHotLight") << u"clHotLight"_s << active(QPalette::Link);
    QTest::newRow("clNone is white") << u"clNone"_s << QColor(255, 255, 255);
    QTest::newRow("clDefault is the button face") << u"clDefault"_s << active(QPalette::Button);

    // Numbers: the lowest byte is red, then green, then blue.
    QTest::newRow("0") << u"0"_s << QColor(0, 0, 0);
    QTest::newRow("255") << u"255"_s << QColor(255, 0, 0);
    QTest::newRow("+255") << u"+255"_s << QColor(255, 0, 0);
    QTest::newRow("65280") << u"65280"_s << QColor(0, 255, 0);
    QTest::newRow("16711680") << u"16711680"_s << QColor(0, 0, 255);
    QTest::newRow("orange decimal") << u"33023"_s << QColor(255, 128, 0);
    QTest::newRow("orange hex") << u"$0080FF"_s << QColor(255, 128, 0);
    QTest::newRow("hex lower case") << u"$c8a0ff"_s << QColor(255, 160, 200);
    QTest::newRow("hex leading zeros") << u"$00000000FF"_s << QColor(255, 0, 0);
    QTest::newRow("largest decimal") << u"2147483647"_s << QColor(255, 255, 255);
    QTest::newRow("smallest decimal") << u"-2147483648"_s << QColor(0, 0, 0);
    QTest::newRow("-1") << u"-1"_s << QColor(255, 255, 255);
    QTest::newRow("$FFFFFFFF") << u"$FFFFFFFF"_s << QColor(255, 255, 255);
    // The numbers of desktop colours, clNone and clDefault stand for what their names do.
    QTest::newRow("button face by hex") << u"$FF00000F"_s << active(QPalette::Button);
    QTest::newRow("button face by decimal") << u"-16777201"_s << active(QPalette::Button);
    QTest::newRow("clNone by number") << u"$1FFFFFFF"_s << QColor(255, 255, 255);
    QTest::newRow("clDefault by number") << u"$20000000"_s << active(QPalette::Button);
    QTest::newRow("unused desktop index") << u"$FF000019"_s << QColor(25, 0, 0);
}

void TestColourText::readsColours()
{
    QFETCH(QString, text);
    QFETCH(QColor, expected);
    const std::optional<QColor> colour = colourFromText(text, distinctDesktop());
    QVERIFY2(colour.has_value(), qPrintable(text));
    QCOMPARE(*colour, expected);
}

void TestColourText::everyNameIgnoresCase_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names{
        u"clBlack"_s, u"clMaroon"_s, u"clGreen"_s, u"clOlive"_s, u"clNavy"_s, u"clPurple"_s,
        u"clTeal"_s, u"clGray"_s, u"clSilver"_s, u"clRed"_s, u"clLime"_s, u"clYellow"_s,
        u"clBlue"_s, u"clFuchsia"_s, u"clAqua"_s, u"clWhite"_s, u"clMoneyGreen"_s,
        u"clSkyBlue"_s, u"clCream"_s, u"clMedGray"_s,
        u"clScrollBar"_s, u"clBackground"_s, u"clActiveCaption"_s, u"clInactiveCaption"_s,
        u"clMenu"_s, u"clWindow"_s, u"clWindowFrame"_s, u"clMenuText"_s, u"clWindowText"_s,
        u"clCaptionText"_s, u"clActiveBorder"_s, u"clInactiveBorder"_s, u"clAppWorkSpace"_s,
        u"clHighlight"_s, u"clHighlightText"_s, u"clBtnFace"_s, u"clBtnShadow"_s,
        u"clGrayText"_s, u"clBtnText"_s, u"clInactiveCaptionText"_s, u"clBtnHighlight"_s,
        u"cl3DDkShadow"_s, u"cl3DLight"_s, u"clInfoText"_s, u"clInfoBk"_s, u"clHotLight"_s,
        u"clGradientActiveCaption"_s, u"clGradientInactiveCaption"_s, u"clMenuHighlight"_s,
        u"clMenuBar"_s, u"clNone"_s, u"clDefault"_s};
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestColourText::everyNameIgnoresCase()
{
    QFETCH(QString, name);
    const QPalette desktop = distinctDesktop();
    const std::optional<QColor> colour = colourFromText(name, desktop);
    QVERIFY(colour.has_value());
    QVERIFY(colour->isValid());
    QCOMPARE(colourFromText(name.toUpper(), desktop).value_or(QColor()), *colour);
    QCOMPARE(colourFromText(name.toLower(), desktop).value_or(QColor()), *colour);
}

void TestColourText::rejectsGarbage_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"   "_s;
    QTest::newRow("plain word") << u"red"_s;
    QTest::newRow("misspelt name") << u"clRedd"_s;
    QTest::newRow("blank inside a name") << u"cl Red"_s;
    QTest::newRow("Chinese") << u"红色"_s;
    QTest::newRow("dollar alone") << u"$"_s;
    QTest::newRow("bad hex digit") << u"$G0"_s;
    QTest::newRow("digits then letters") << u"12a"_s;
    QTest::newRow("C hex prefix") << u"0x10"_s;
    QTest::newRow("fraction") << u"1.5"_s;
    QTest::newRow("two signs") << u"--1"_s;
    QTest::newRow("sign after dollar") << u"$-1"_s;
    QTest::newRow("full-width digits") << u"１２"_s;
    QTest::newRow("decimal too large") << u"2147483648"_s;
    QTest::newRow("decimal too small") << u"-2147483649"_s;
    QTest::newRow("hex too large") << u"$100000000"_s;
    QTest::newRow("huge") << u"99999999999999999999999"_s;
}

void TestColourText::rejectsGarbage()
{
    QFETCH(QString, text);
    QVERIFY(!colourFromText(text, distinctDesktop()).has_value());
}

QTEST_MAIN(TestColourText)
#include "test_colourtext.moc"
