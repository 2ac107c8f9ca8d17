#include "tests/support/testworld.h"

#include "shell/mainform.h"
#include "shell/windowset.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace abacolo::test {

QStringList TestWorld::allTables()
{
    return {u"sys.db"_s, u"fillblank.db"_s, u"changcolor.db"_s, u"subtration.DB"_s};
}

QString seedScript(const QString &tableFile)
{
    const QString stem = tableFile.section(u'.', 0, 0);
    const QString path = qEnvironmentVariable("ABACOLO_SOURCE_DIR") + u"/data/seeds/"_s + stem
        + u".sql"_s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read seed script %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

int drawn(qint64 second, int n)
{
    RandomGenerator random;
    random.seed(second);
    return random.below(n);
}

qint64 firstSecond(const std::function<bool(qint64)> &wanted, qint64 from)
{
    for (qint64 s = from; s < from + 1'000'000; ++s) {
        if (wanted(s))
            return s;
    }
    qFatal("no second gives the wanted drawing");
}

qint64 secondGiving(int wanted, int n, qint64 from)
{
    return firstSecond([&](qint64 s) { return drawn(s, n) == wanted; }, from);
}

bool samePicture(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && a.toImage() == b.toImage();
}

QStringList shown(const PicturePlaces &places)
{
    QStringList names;
    for (ImageButton *picture : places) {
        if (!picture->isHidden())
            names.append(picture->objectName());
    }
    return names;
}

QStringList pictureNames(std::initializer_list<int> numbers)
{
    QStringList names;
    for (int n : numbers)
        names.append(u"suiImageButton"_s + QString::number(n));
    return names;
}

TestWorld::TestWorld(const QStringList &tables)
    : m_previousDir(QDir::currentPath())
{
    for (const QString &table : tables) {
        QString error;
        if (!createTableFile(tablePath(table), seedScript(table), TablePassword, &error))
            qFatal("cannot seed %s: %s", qPrintable(table), qPrintable(error));
    }
    QDir(dataDir()).mkpath(u"skin"_s);
    QFile::copy(qEnvironmentVariable("ABACOLO_SOURCE_DIR") + u"/data/skin/diamond.ssk"_s,
                m_dir.filePath(u"skin/diamond.ssk"_s));
    QDir::setCurrent(dataDir());
    HandlerGate::setErrorReporter([this](const QString &text) { dialogs.showError(text); });
}

TestWorld::~TestWorld()
{
    stop();
    HandlerGate::setErrorReporter({});
    QDir::setCurrent(m_previousDir);
}

void TestWorld::start()
{
    m_windows = std::make_unique<WindowSet>(services);
    mymainForm->Show();
    QCoreApplication::processEvents();
}

void TestWorld::stop()
{
    m_windows.reset();
}

} // namespace abacolo::test
