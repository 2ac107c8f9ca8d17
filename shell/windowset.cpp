#include "shell/windowset.h"

#include "activities/balance.h"
#include "activities/bargraphs.h"
#include "activities/clock.h"
#include "activities/comparing.h"
#include "activities/directions.h"
#include "activities/finderrors.h"
#include "activities/half.h"
#include "activities/memorypairs.h"
#include "activities/multiples.h"
#include "activities/paths.h"
#include "activities/shapes.h"
#include "activities/timestables.h"
#include "flash/flashfullview.h"
#include "flash/flashgames.h"
#include "flash/flashnum.h"
#include "flash/flashnumview.h"
#include "services/services.h"
#include "services/sysdatamoudle.h"
#include "progress/growthrecord.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/howuse.h"
#include "shell/mainform.h"
#include "shell/startuptrace.h"
#include "statistics/tongji.h"
#include "training/addtrain.h"
#include "training/flagshow.h"
#include "training/game_num1.h"
#include "training/jianftrain.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

WindowSet::CreationHook &creationHook()
{
    static WindowSet::CreationHook hook;
    return hook;
}

template<typename T>
void create(const QString &name, T *&instance, QList<QObject *> &members, Services &services)
{
    if (creationHook())
        creationHook()(name);
    QElapsedTimer timer;
    timer.start();
    instance = new T(services);
    members.append(instance);
    traceWindowMade(name, timer.nsecsElapsed());
}

} // namespace

void WindowSet::setCreationHook(CreationHook hook)
{
    creationHook() = std::move(hook);
}

WindowSet::WindowSet(Services &services)
{
    try {
        createMembers(services);
    } catch (...) {
        freeMembers();
        throw;
    }
}

void WindowSet::createMembers(Services &services)
{
    create(u"mymainForm"_s, mymainForm, m_members, services);
    create(u"Form2"_s, Form2, m_members, services);
    create(u"Form5"_s, Form5, m_members, services);
    create(u"Form6"_s, Form6, m_members, services);
    create(u"Form10"_s, Form10, m_members, services);
    if (creationHook())
        creationHook()(u"DataModule1"_s);
    DataModule1 = new TDataModule1(services.session);
    m_members.append(DataModule1);
    create(u"Form13"_s, Form13, m_members, services);
    create(u"Form14"_s, Form14, m_members, services);
    create(u"Form25"_s, Form25, m_members, services);
    create(u"Form17"_s, Form17, m_members, services);
    create(u"Form33"_s, Form33, m_members, services);
    create(u"Form15"_s, Form15, m_members, services);
    create(u"Form32"_s, Form32, m_members, services);
    create(u"Form35"_s, Form35, m_members, services);
    create(u"ShapesForm"_s, ShapesForm, m_members, services);
    create(u"ComparingForm"_s, ComparingForm, m_members, services);
    create(u"ClockForm"_s, ClockForm, m_members, services);
    create(u"MemoryForm"_s, MemoryForm, m_members, services);
    create(u"HalfForm"_s, HalfForm, m_members, services);
    create(u"BalanceForm"_s, BalanceForm, m_members, services);
    create(u"FindErrorsForm"_s, FindErrorsForm, m_members, services);
    create(u"MultiplesForm"_s, MultiplesForm, m_members, services);
    create(u"DirectionsForm"_s, DirectionsForm, m_members, services);
    create(u"PathsForm"_s, PathsForm, m_members, services);
    create(u"BarGraphsForm"_s, BarGraphsForm, m_members, services);
    create(u"TimesTablesForm"_s, TimesTablesForm, m_members, services);
    create(u"GrowthRecordForm"_s, GrowthRecordForm, m_members, services);
    Form10->setRewardWindow(Form15);
}

WindowSet::~WindowSet()
{
    freeMembers();
}

void WindowSet::freeMembers()
{
    // The reverse of creation: the main window, whose end restores the screen, goes last.
    while (!m_members.isEmpty())
        delete m_members.takeLast();
    mymainForm = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form10 = nullptr;
    DataModule1 = nullptr;
    Form13 = nullptr;
    Form14 = nullptr;
    Form25 = nullptr;
    Form17 = nullptr;
    Form33 = nullptr;
    Form15 = nullptr;
    Form32 = nullptr;
    Form35 = nullptr;
    ShapesForm = nullptr;
    ComparingForm = nullptr;
    ClockForm = nullptr;
    MemoryForm = nullptr;
    FindErrorsForm = nullptr;
    MultiplesForm = nullptr;
    DirectionsForm = nullptr;
    PathsForm = nullptr;
    BarGraphsForm = nullptr;
    TimesTablesForm = nullptr;
    HalfForm = nullptr;
    BalanceForm = nullptr;
    GrowthRecordForm = nullptr;
}

} // namespace abacolo
