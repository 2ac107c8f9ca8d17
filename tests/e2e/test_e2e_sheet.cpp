// The calculation sheet in the shipped program: a new sheet is asked for and drawn into
// fillblank.db, the child types the answers into the boxes, the sheet is marked, and a full
// score opens the games chooser.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// Answer box k: exercises 1 … 5 at left 320, 6 … 10 at left 816; 120 × 80.
QPoint answerBox(const QRect &window, int k)
{
    constexpr int LeftTops[] = {95, 191, 287, 383, 479};
    constexpr int RightTops[] = {103, 199, 295, 391, 487};
    const bool left = k <= 5;
    const int top = left ? LeftTops[k - 1] : RightTops[k - 6];
    return window.topLeft() + QPoint((left ? 320 : 816) + 60, top + 40);
}

QPoint newSheetButton(const QRect &window) { return window.topLeft() + QPoint(432 + 28, 623 + 24); }
QPoint markButton(const QRect &window) { return window.topLeft() + QPoint(520 + 28, 623 + 24); }
// The score and "分!!" in fuchsia SimSun at (816, 583) and (880, 583).
QRect scoreArea(const QRect &window) { return {window.topLeft() + QPoint(816, 583), QSize(120, 36)}; }
const QRgb Fuchsia = qRgb(255, 0, 255);

} // namespace

class SheetEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void typedSheetIsMarkedAndAFullScoreOpensTheGames();

private:
    int num1() const
    {
        return m_session->program->queryInt(u"sys.db"_s, u"SELECT num1 FROM sys"_s).value_or(-1);
    }
    // Answers "是" in the question box that is open.
    bool answerYes(const QString &caption);

    std::unique_ptr<Session> m_session;
};

void SheetEndToEnd::cleanup()
{
    endSession(m_session);
}

bool SheetEndToEnd::answerYes(const QString &caption)
{
    Screen &screen = m_session->screen;
    const std::optional<WindowInfo> box = screen.waitForWindow(caption);
    if (!box)
        return false;
    // "是" is the box's default button: the pointer over the box, Enter presses it.
    screen.moveTo(box->geometry.center());
    screen.key("Return");
    return screen.waitForHidden(box->id);
}

void SheetEndToEnd::typedSheetIsMarkedAndAFullScoreOpensTheGames()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    Screen &screen = m_session->screen;
    const std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY(main);
    const int counted = num1();
    QVERIFY(counted >= 0);

    QSet<unsigned long> before = screen.viewableIds();
    screen.click(main->geometry.topLeft() + layout::topicButton(4));
    const std::optional<WindowInfo> sheet = screen.waitForNewWindow(before);
    QVERIFY(sheet);
    QCOMPARE(sheet->title, u"聪明宝宝算一算"_s);
    QCOMPARE(sheet->geometry.top(), main->geometry.top());
    const QRect w = sheet->geometry;
    QVERIFY2(screen.shareOf(scoreArea(w), Fuchsia) < 0.01, "no score before marking");

    // A new sheet, asked for and confirmed: counted in sys.db and drawn into fillblank.db.
    screen.click(newSheetButton(w));
    QVERIFY2(answerYes(u"提示"_s), "no question box, or it did not close");
    QVERIFY(waitUntil([&] { return num1() == counted + 1; }, 15000, TablePollMs));
    const QStringList row = m_session->program->query(
        u"fillblank.db"_s, u"SELECT * FROM fillblank ORDER BY rowid LIMIT 1"_s);
    QCOMPARE(row.size(), 1);
    const QStringList numbers = row.first().split(u'|');
    QVERIFY(numbers.size() >= 20);
    QList<int> sums;
    for (int k = 1; k <= 10; ++k) {
        const int first = numbers.at(2 * k - 2).toInt();
        const int second = numbers.at(2 * k - 1).toInt();
        QVERIFY(first >= 0 && first < 10 && second >= 0 && second < 10); // addition within 10
        sums.append(first + second);
    }

    // Marking with empty boxes says so in an error box; the sheet stays as it is.
    screen.click(markButton(w));
    const std::optional<WindowInfo> error = screen.waitForWindow(u"错误"_s);
    QVERIFY2(error, "no error box for empty answers");
    screen.moveTo(error->geometry.center());
    screen.key("Return");
    QVERIFY(screen.waitForHidden(error->id));
    QVERIFY(screen.shareOf(scoreArea(w), Fuchsia) < 0.01);

    // Seven right answers and three wrong ones, typed box by box; Enter moves on.
    screen.click(answerBox(w, 1));
    for (int k = 1; k <= 10; ++k) {
        const int answer = sums.at(k - 1) + (k > 7 ? 1 : 0);
        screen.type(QString::number(answer) + (k < 10 ? u"\n"_s : QString()));
    }
    screen.click(markButton(w));
    QVERIFY2(waitUntil([&] { return screen.shareOf(scoreArea(w), Fuchsia) > 0.02; }),
             "no score shown after marking");
    QVERIFY(screen.window(u"聪明宝宝算一算"_s)); // the sheet stays for a score below 100

    // Mend the three answers and mark again: a full score opens the games and hides the sheet.
    for (int k = 8; k <= 10; ++k) {
        screen.click(answerBox(w, k));
        screen.keyCombination("Control_L", "a");
        screen.type(QString::number(sums.at(k - 1)));
    }
    before = screen.viewableIds();
    screen.click(markButton(w));
    const std::optional<WindowInfo> games = screen.waitForNewWindow(before);
    QVERIFY2(games, "a full score opened no window");
    QCOMPARE(games->title, u"智力游戏播放器"_s);
    QVERIFY(screen.waitForHidden(sheet->id));
    QCOMPARE(num1(), counted + 1); // marking draws no new sheet
}

QTEST_GUILESS_MAIN(SheetEndToEnd)
#include "test_e2e_sheet.moc"
