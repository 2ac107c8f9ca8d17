#include "shell/program.h"

#include "services/datadirectory.h"
#include "services/designfit.h"
#include "services/displaymode.h"
#include "services/historylog.h"
#include "services/messagedialogs.h"
#include "services/pictures.h"
#include "services/quitsignals.h"
#include "services/random.h"
#include "services/services.h"
#include "services/soundcues.h"
#include "services/systemclock.h"
#include "services/tablecounters.h"
#include "shell/commandline.h"
#include "shell/designbackdrop.h"
#include "shell/mainform.h"
#include "shell/soundreadiness.h"
#include "shell/splash.h"
#include "shell/startupheap.h"
#include "shell/startuptrace.h"
#include "shell/userdata.h"
#include "shell/windowset.h"
#include "tables/apperror.h"
#include "tables/tables.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "worksheets/worksheetcommand.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

void loadTranslations(QApplication &app)
{
    // Standard buttons and dialogs read 是, 否, 确定.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &name : {u"qtbase_zh_CN"_s, u"qtmultimedia_zh_CN"_s}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, folder))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

void showFatal(const QString &text)
{
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), text);
}

} // namespace

int runProgram(int argc, char **argv)
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv, stdout))
        return *answered;
    if (isWorksheetCommand(argc, argv))
        return runWorksheetCommand(argc, argv);
    // Without TZ the C library reads the zone file again at every local-time conversion;
    // named once, it is read once (reading a long answer log converts thousands of times).
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    traceStartupStep("program begins");
    growStartupHeap();
    prepareWindowingSystem();
    QApplication app(argc, argv);
    traceStartupStep("application made");
    // SIGINT, SIGTERM and SIGHUP end the event loop, so the program ends the normal way: the
    // screen switched back, every table closed.
    QuitSignals::install();
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    loadTranslations(app);
    registerProgramFaces();
    installFontSubstitutes();
    QApplication::setFont(uiFont(12));
    traceStartupStep("translations and faces loaded");

    try {
        auto splash = std::make_unique<TSplashForm>();
        SplashForm = splash.get();
        splash->show();
        splash->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        traceStartupStep("splash shown");

        QApplication::setApplicationDisplayName(u" Abacolo"_s);

        SystemClock clock;
        RandomGenerator random;
        MessageDialogs dialogs;
        SoundCues cues;
        Pictures pictures;
        TableCounters counters;
        TableSession session;
        ScreenDisplay display;
        HistoryLog answers(clock, dialogs, UserDataDirectory());
        Services services{clock, random, dialogs, cues, pictures, counters, session, display, answers};
        HandlerGate::setErrorReporter([&dialogs](const QString &text) { dialogs.showError(text); });
        // The reporter goes before the services it reports through, also when an error ends
        // the start (the fatal box below runs an event loop of its own).
        const auto dropReporter = qScopeGuard([] { HandlerGate::setErrorReporter({}); });

        if (const QStringList problems = prepareUserData(); !problems.isEmpty())
            dialogs.showError(problems.join(u'\n'));
        Table::setDefaultDirectory(UserDataDirectory());
        traceStartupStep("services made");
        WindowSet windows(services);
        // Qt asks to polish every new control from the event loop, before the main window's
        // first frame; most belong to hidden windows, which polish all their controls when
        // first shown anyway. The main window polishes its own as it is shown.
        QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
        prepareSoundWithFirstWindow(windows.members(), mymainForm, cues);
        traceStartupStep("windows made");
        const auto backdrop = DesignBackdrop::behind(mymainForm);

        splash->hide();
        splash->close();
        splash.reset();
        SplashForm = nullptr;

        mymainForm->Show();
        settleStartupHeapAfterFirstFrame(mymainForm);
        traceStartupStep("main window shown");
        QApplication::exec();
    } catch (const AppError &e) {
        showFatal(e.message());
    } catch (const std::exception &e) {
        showFatal(QString::fromUtf8(e.what()));
    } catch (...) {
        showFatal(QString());
    }
    return 0;
}

} // namespace abacolo
