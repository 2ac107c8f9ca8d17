#pragma once

#include "services/pictures.h"
#include "services/random.h"
#include "services/tablecounters.h"
#include "tables/tablepassword.h"
#include "tables/tables.h"
#include "tests/support/fakes.h"
#include "training/picturegroups.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace abacolo {
class WindowSet;
}

namespace abacolo::test {

// A data folder of its own with fresh seed tables, the program's services with fakes for the
// clock, dialogs, cues and display, and (on demand) the whole window set, running with the
// data folder as the current directory, as the program does.
class TestWorld
{
public:
    // `tables`: which of the four table files to lay out (all by default).
    explicit TestWorld(const QStringList &tables = allTables());
    ~TestWorld();
    TestWorld(const TestWorld &) = delete;
    TestWorld &operator=(const TestWorld &) = delete;

    static QStringList allTables();

    QString dataDir() const { return m_dir.path(); }
    QString tablePath(const QString &file) const { return m_dir.filePath(file); }

    // Creates the window set and shows the main window (opening the tables).
    void start();
    // Destroys the window set, as the end of the program does.
    void stop();
    WindowSet *windows() const { return m_windows.get(); }

    FakeClock clock;
    RandomGenerator random;
    ScriptedDialogs dialogs;
    RecordingCues cues;
    Pictures pictures;
    TableCounters counters;
    TableSession session;
    FakeDisplay display;
    RecordingAnswerLog answers;
    Services services{clock, random, dialogs, cues, pictures, counters, session, display, answers};

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<WindowSet> m_windows;
};

// The clock second the tests start drawing from.
constexpr qint64 Start = 1'700'000'000;

// The first value the program's generator gives below n when seeded with second s.
int drawn(qint64 second, int n);

// The first second from `from` on that gives the wanted drawing. A drawing that no second
// gives (two draws of one second start from the same value) is a fault of the test itself.
qint64 firstSecond(const std::function<bool(qint64)> &wanted, qint64 from = Start);

// The first second from `from` on whose first drawing below n is `wanted`.
qint64 secondGiving(int wanted, int n, qint64 from = Start);

// The same picture, pixel for pixel; a null picture is never the same.
bool samePicture(const QPixmap &a, const QPixmap &b);

// The names of the visible pictures of a group column, place 1 first.
QStringList shown(const PicturePlaces &places);
// "suiImageButton<n>" for each n.
QStringList pictureNames(std::initializer_list<int> numbers);

// The seed script of a table file ("sys.db" → data/seeds/sys.sql) in the source tree.
QString seedScript(const QString &tableFile);

} // namespace abacolo::test
