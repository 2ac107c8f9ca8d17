// The program's own faces: registered, holding every character of the program's texts, and
// leaving any other character to the installed CJK faces.
#include "toolkit/fonts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRawFont>
#include <QResource>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// The files whose texts the program shows: the sources of every folder but the tests,
// benchmarks and generators, the seed scripts and the skin.
QStringList textFiles()
{
    const QDir root(qEnvironmentVariable("ABACOLO_SOURCE_DIR"));
    const QStringList skipped{u"tests"_s, u"tools"_s, u"bench"_s};
    QStringList files;
    for (const QString &folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (skipped.contains(folder) || folder.startsWith(u"build"_s))
            continue;
        const QDir dir(root.filePath(folder));
        for (const QString &name : dir.entryList({u"*.cpp"_s, u"*.h"_s}, QDir::Files))
            files.append(dir.filePath(name));
    }
    for (const QString &folder : {u"data/seeds"_s, u"data/skin"_s}) {
        const QDir dir(root.filePath(folder));
        for (const QString &name : dir.entryList(QDir::Files))
            files.append(dir.filePath(name));
    }
    return files;
}

// Every character outside ASCII in those files, with the first file it was found in.
QMap<char32_t, QString> sourceCharacters()
{
    QMap<char32_t, QString> found;
    for (const QString &path : textFiles()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const char32_t c : QString::fromUtf8(file.readAll()).toUcs4()) {
            if (c > 0x7F && QChar::isPrint(c) && !QChar::isSpace(c) && !found.contains(c))
                found.insert(c, QFileInfo(path).fileName());
        }
    }
    return found;
}

QRawFont programFace(const QString &file)
{
    const QResource face(u":/faces/"_s + file);
    return QRawFont(face.uncompressedData(), 12);
}

// The families the glyphs of `text` are drawn from, in `font`: sorted, in lower case.
QStringList familiesDrawing(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        // Glyph 0 is the empty box drawn for a character no face has.
        if (!glyphs.contains(0))
            families.append(run.rawFont().familyName().toLower());
        else
            families.append(u"(missing)"_s);
    }
    families.sort();
    return families;
}

} // namespace

class TestFaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(registerProgramFaces());
        installFontSubstitutes();
    }

    void registeredUnderTheirOwnNames()
    {
        const QStringList families = QFontDatabase::families();
        QVERIFY(families.contains(programSansFamily()));
        QVERIFY(families.contains(programSerifFamily()));
        for (const QString &family : {programSansFamily(), programSerifFamily()}) {
            const QStringList styles = QFontDatabase::styles(family);
            QVERIFY2(styles.contains(u"Regular"_s) && styles.contains(u"Bold"_s),
                     qPrintable(family + u": "_s + styles.join(u", "_s)));
        }
    }

    void holdEveryCharacterOfTheSources_data()
    {
        QTest::addColumn<QString>("face");
        for (const char *face : {"AbacoloSansCJKsc-Regular.otf", "AbacoloSansCJKsc-Bold.otf",
                                 "AbacoloSerifCJKsc-Regular.otf", "AbacoloSerifCJKsc-Bold.otf"})
            QTest::newRow(face) << QString::fromLatin1(face);
    }

    void holdEveryCharacterOfTheSources()
    {
        QFETCH(QString, face);
        const QRawFont raw = programFace(face);
        QVERIFY(raw.isValid());
        const QMap<char32_t, QString> characters = sourceCharacters();
        QVERIFY(characters.size() > 100); // the program's Chinese texts were found
        QStringList missing;
        for (auto it = characters.cbegin(); it != characters.cend(); ++it) {
            if (!raw.supportsCharacter(it.key()))
                missing.append(QString::fromUcs4(&it.key(), 1) + u" ("_s + it.value() + u')');
        }
        for (char32_t c = 0x20; c < 0x7F; ++c) {
            if (!raw.supportsCharacter(c))
                missing.append(QString::fromUcs4(&c, 1));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
    }

    // The Chinese texts of Qt's standard buttons, as the program loads them.
    void holdTheStandardButtonsTexts()
    {
        QTranslator translator;
        QVERIFY(translator.load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&translator);
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                             | QDialogButtonBox::No | QDialogButtonBox::Save | QDialogButtonBox::Close);
        const QRawFont raw = programFace(u"AbacoloSansCJKsc-Regular.otf"_s);
        QString texts;
        for (QAbstractButton *button : box.buttons())
            texts += button->text();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(texts.contains(u"确定"_s));
        for (const char32_t c : texts.toUcs4())
            QVERIFY2(c == u'&' || raw.supportsCharacter(c), qPrintable(texts));
    }

    void drawTheProgramsTextsAndFallBackForOthers_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("families");
        const QString sans = programSansFamily().toLower();
        const QString serif = programSerifFamily().toLower();
        QTest::newRow("interface") << uiFont(12) << u"数一数有几个 123"_s << QStringList{sans};
        QTest::newRow("bold") << uiFont(15, true) << u"统计"_s << QStringList{sans};
        QTest::newRow("song") << songFont(14) << u"聪明宝宝算一算"_s << QStringList{serif};
        // 龘 and 齉 are in no text of the program: the installed faces draw them.
        QTest::newRow("rare, interface") << uiFont(12) << u"数龘"_s
                                         << QStringList{sans, u"noto sans cjk sc"_s};
        QTest::newRow("rare, song") << songFont(14) << u"齉"_s << QStringList{u"*"_s};
    }

    void drawTheProgramsTextsAndFallBackForOthers()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(QStringList, families);
        const QStringList drawing = familiesDrawing(text, font);
        QVERIFY2(!drawing.contains(u"(missing)"_s), qPrintable(drawing.join(u", "_s)));
        if (families == QStringList{u"*"_s}) {
            // Any installed face that has it, but not one of ours.
            QVERIFY(!drawing.contains(programSansFamily().toLower())
                    && !drawing.contains(programSerifFamily().toLower()));
            return;
        }
        QCOMPARE(drawing, families);
    }
};

QTEST_MAIN(TestFaces)
#include "test_faces.moc"
