#include "shell/mainform.h"

#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/datadirectory.h"
#include "shell/displaymode.h"
#include "shell/services.h"
#include "shell/sysdatamoudle.h"
#include "shell/tables.h"
#include "statistics/tongji.h"
#include "toolkit/skin.h"

#include <QCloseEvent>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace abacolo {

TmymainForm *mymainForm = nullptr;

namespace {
const QString TablePassword = u"qqqqqq777777"_s;
} // namespace

TmymainForm::TmymainForm(Services &services)
    : Form(u"mymainForm"_s, u" Abacolo  v6.7"_s, QSize(1018, 732), ControlBox | CloseBox)
    , Table1(new Table(services.session, u"sys.db"_s, this))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    FormCreate();
}

TmymainForm::~TmymainForm()
{
    FormDestroy();
}

void TmymainForm::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TmymainForm::FormShow()
{
    const QSize screen = m_services.display.screenSize();
    SavedScreenWidth = screen.width();
    SavedScreenHeight = screen.height();
    m_services.display.SetDisplaySize(1024, 768);

    setGeometry(0, 0, 1024, 768);
    m_services.session.addPassword(TablePassword);
    openTables();
}

void TmymainForm::openTables()
{
    const QString directory = DataDirectory();
    // Opening errors are swallowed: the first table that fails ends the sequence and the
    // tables after it stay closed. An activity using a closed table reports it then.
    try {
        DataModule1->Table1->setDatabaseName(directory);
        DataModule1->Table1->open();
        Table1->setDatabaseName(directory);
        Table1->setActive(true);
        Form5->Table1->setDatabaseName(directory);
        Form5->Table1->setActive(true);
        Form17->Table1->setActive(true); // no database name: the current directory
        Form17->Table1->first();
        Form10->Table1->setDatabaseName(directory);
        Form10->Table1->setActive(true);
    } catch (...) {
    }
}

void TmymainForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

void TmymainForm::FormDestroy()
{
    if (SavedScreenWidth <= 0 || SavedScreenHeight <= 0)
        return; // never shown: the screen was never switched
    m_services.display.SetDisplaySize(SavedScreenWidth, SavedScreenHeight);
}

} // namespace abacolo
