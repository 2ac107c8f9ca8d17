// Worksheet benchmark: for every entry of the age tabs, the time from the click on the entry
// to its print preview shown with the pages painted, and the time to save the sheet as PDF.
// Prints the medians over all entries and the slowest entry of each. Run by
// bench/worksheet_bench.sh under an Xvfb of its own.
#include "shell/menupanel.h"
#include "toolkit/fonts.h"
#include "toolkit/groupbar.h"
#include "toolkit/pagecontrol.h"
#include "worksheets/curriculum.h"
#include "worksheets/sheetpainter.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheetpreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

struct Timing
{
    double ms;
    QString entry;
};

double median(QList<Timing> list)
{
    std::sort(list.begin(), list.end(), [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
    const auto n = list.size();
    return n % 2 ? list.at(n / 2).ms : (list.at(n / 2 - 1).ms + list.at(n / 2).ms) / 2;
}

Timing slowest(const QList<Timing> &list)
{
    return *std::max_element(list.begin(), list.end(), [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
}

void print(const char *what, const QList<Timing> &list)
{
    const Timing worst = slowest(list);
    std::printf("%s: median %.1f ms over %lld entries, slowest %.1f ms (%s)\n", what, median(list),
                static_cast<long long>(list.size()), worst.ms, worst.entry.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    QApplication::setFont(uiFont(12));

    QWidget window;
    window.resize(1024, 768);
    auto *panel = new MenuPanel(&window);
    panel->move(11, 130);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // The entry buttons in menu order, as curriculum() lists them.
    QList<QAbstractButton *> buttons;
    for (PageControl *pages : {panel->RzPageControl5, panel->RzPageControl4, panel->RzPageControl3, panel->RzPageControl2}) {
        for (int p = 0; p < pages->pageCount(); ++p) {
            const GroupBar *bar = pages->page(p)->findChild<GroupBar *>();
            for (int g = 0; g < bar->groupCount(); ++g) {
                for (int i = 0; i < bar->itemCount(g); ++i)
                    buttons.append(bar->item(g, i));
            }
        }
    }
    if (buttons.size() != curriculum().size())
        return 1;

    QList<Timing> previews;
    QList<Timing> pdfs;
    QTemporaryDir dir;
    for (int i = 0; i < buttons.size(); ++i) {
        const QString name = QString::number(i + 1) + u" "_s + curriculum().at(i).caption;
        QElapsedTimer clock;
        clock.start();
        buttons.at(i)->click();
        auto *preview = window.findChild<WorksheetPreview *>();
        if (!preview || !QTest::qWaitForWindowExposed(preview))
            return 1;
        // Until the pages are on the screen: the events the first show queued are handled.
        QApplication::processEvents();
        previews.append({clock.nsecsElapsed() / 1e6, name});

        const Worksheet sheet = preview->sheet();
        preview->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        clock.restart();
        QString error;
        if (!saveWorksheetPdf(sheet, dir.filePath(u"sheet.pdf"_s), &error))
            return 1;
        pdfs.append({clock.nsecsElapsed() / 1e6, name});
    }
    print("click to preview shown", previews);
    print("save as PDF", pdfs);
    return 0;
}
