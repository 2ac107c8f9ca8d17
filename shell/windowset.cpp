#include "shell/windowset.h"

#include "activities/clock.h"
#include "activities/comparing.h"
#include "activities/directions.h"
#include "activities/finderrors.h"
#include "activities/memorypairs.h"
#include "activities/multiples.h"
#include "activities/paths.h"
#include "activities/shapes.h"
#include "flash/flashfullview.h"
#include "flash/flashgames.h"
#include "flash/flashnum.h"
#include "flash/flashnumview.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/howuse.h"
#include "shell/mainform.h"
#include "shell/services.h"
#include "shell/sysdatamoudle.h"
#include "statistics/tongji.h"
#include "training/addtrain.h"
#include "training/flagshow.h"
#include "training/game_num1.h"
#include "training/jianftrain.h"

namespace abacolo {

namespace {

template<typename T>
T *create(T *&instance, QList<QObject *> &members, Services &services)
{
    instance = new T(services);
    members.append(instance);
    return instance;
}

} // namespace

WindowSet::WindowSet(Services &services)
{
    create(mymainForm, m_members, services);
    create(Form2, m_members, services);
    create(Form5, m_members, services);
    create(Form6, m_members, services);
    create(Form10, m_members, services);
    DataModule1 = new TDataModule1(services.session);
    m_members.append(DataModule1);
    create(Form13, m_members, services);
    create(Form14, m_members, services);
    create(Form25, m_members, services);
    create(Form17, m_members, services);
    create(Form33, m_members, services);
    create(Form15, m_members, services);
    create(Form32, m_members, services);
    create(Form35, m_members, services);
    create(ShapesForm, m_members, services);
    create(ComparingForm, m_members, services);
    create(ClockForm, m_members, services);
    create(MemoryForm, m_members, services);
    create(FindErrorsForm, m_members, services);
    create(MultiplesForm, m_members, services);
    create(DirectionsForm, m_members, services);
    create(PathsForm, m_members, services);
}

WindowSet::~WindowSet()
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
}

} // namespace abacolo
