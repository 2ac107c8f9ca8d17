#include "shell/mainform.h"

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
#include "flash/flashnum.h"
#include "services/datadirectory.h"
#include "services/displaymode.h"
#include "services/pictures.h"
#include "services/services.h"
#include "services/sysdatamoudle.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/menupanel.h"
#include "statistics/tongji.h"
#include "tables/tablepassword.h"
#include "tables/tables.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/imagebutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturefile.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/urllabel.h"
#include "training/addtrain.h"
#include "training/game_num1.h"
#include "training/jianftrain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include <functional>

using namespace Qt::StringLiterals;

namespace abacolo {

TmymainForm *mymainForm = nullptr;

namespace {

// The layout: where everything stands on the window (the header words' lefts are in their
// table below).
constexpr QRect HeaderPicture(0, 24, 1018, 97);
constexpr int HeaderWordTop = 88;
constexpr QRect PublisherLink(229, 38, 105, 26);
constexpr QRect Background(-1, 118, 1019, 646);
constexpr QRect Strip(0, 132, 11, 633);
constexpr QRect AgeTabs(11, 130, 270, 615); // `RzPageControl1`
// The grid: four rows of five buttons, numbered row by row, a label under each; the last
// label stands a pixel lower.
constexpr int TopicButtonSide = 57;
constexpr std::array<int, 4> ButtonTops{227, 331, 435, 547};
constexpr std::array<int, 5> ButtonLefts{376, 488, 600, 712, 832};
constexpr std::array<int, 4> LabelTops{295, 403, 507, 615};
constexpr std::array<int, 5> LabelLefts{360, 470, 583, 695, 814};
constexpr int LastLabelTop = 616;
constexpr int LabelWidth = 90;
constexpr QRect PressedName(912, 32, 89, 21); // `Edit3`, never shown
constexpr QRect WholeScreen(0, 0, 1024, 768);

// Our own publisher line and its page.
const QString PublisherName = u"亲子数学工作室"_s;
const QUrl PublisherPage(u"https://abacolo.example/"_s);

// What a topic opens: brings its window up and returns the window to align with the main
// window's top (none for the lessons chooser, which keeps its own place).
using OpenTopic = Form *(*)();

Form *openLessons()
{
    Form32->Show();
    return nullptr;
}

Form *openCounting()
{
    Form2->Show();
    return Form2;
}

Form *openAddition()
{
    Form14->Show();
    return Form14;
}

Form *openSheet()
{
    Form10->Show();
    Form10->restoreLastOperation();
    return Form10;
}

Form *openColouring()
{
    Form5->Show();
    Form5->showColouringPage();
    return Form5;
}

Form *openSubtraction()
{
    Form25->Show();
    return Form25;
}

Form *openOrdering()
{
    Form5->Show();
    Form5->showOrderingPage();
    return Form5;
}

Form *openStatistics()
{
    Form17->Show();
    return Form17;
}

// An activity window that opens as it is, at the main window's top.
template<auto *window>
Form *openActivity()
{
    (*window)->Show();
    return *window;
}

// One topic of the grid, in button order: its label, caption, tool tip, the pictures under
// the mouse (also the picture at start, but for `suiImageButton9`) and away from it, and
// what it opens (nothing yet for a topic without an activity).
struct Topic
{
    const char16_t *label;
    const char16_t *caption;
    const char16_t *hint;
    const char16_t *entered;
    const char16_t *left;
    // cppcheck-suppress unusedStructMember ; read by the click handler through Topics.at(…)
    OpenTopic open;
};

constexpr std::array<Topic, TmymainForm::TopicCount> Topics{{
    {u"Label18", u"认识数字", u"Learning Numbers", u"picgame25", u"picgame26", openLessons},
    {u"Label1", u"数数小动物", u"Counting Animals", u"aqua1", u"aqua2", openCounting},
    {u"Label2", u"看图练习", u"Adding", u"picgame3", u"picgame4", openAddition},
    {u"Label3", u"做练习玩游戏", u"Training", u"picgame7", u"picgame8", openSheet},
    {u"Label4", u"物体几何形状", u"Recognizeing Shapes", u"picgame11", u"picgame12", openActivity<&ShapesForm>},
    {u"Label5", u"物体色彩", u"Colours", u"picgame23", u"picgame24", openColouring},
    {u"Label6", u"数轴", u"Subtracting  && Counting Coins", u"picgame29", u"picgame30",
     openSubtraction},
    {u"Label7", u"顺序", u"Ordinals", u"picgame15", u"picgame16", openOrdering},
    {u"Label8", u"统计", u"Collecting Data", u"picgame35", u"picgame36", openStatistics},
    {u"Label17", u"找错误", u"Finding Errors", u"picgame27", u"picgame34", openActivity<&FindErrorsForm>},
    {u"Label9", u"倍数的认识", u"multiple", u"picgame21", u"picgame22", openActivity<&MultiplesForm>},
    {u"Label10", u"比较数字", u"Comparing Amounts", u"picgame13", u"picgame14", openActivity<&ComparingForm>},
    {u"Label11", u"认识时间", u"Counting Sharps", u"picgame28", u"picgame33", openActivity<&ClockForm>},
    {u"Label12", u"智力游戏", u"Games", u"picgame37", u"picgame38", openActivity<&MemoryForm>},
    {u"Label19", u"统计图", u"Bar Graphs", u"picgame1", u"picgame2", openActivity<&BarGraphsForm>},
    {u"Label13", u"判断路径", u"path", u"picgame17", u"picgame18", openActivity<&PathsForm>},
    {u"Label14", u"魔法数字", u"Direction", u"picgame19", u"picgame20", openActivity<&DirectionsForm>},
    {u"Label15", u"等量建立", u"Building Equations", u"picgame5", u"picgame6", openActivity<&BalanceForm>},
    {u"Label16", u"乘法口诀", u"Mutiplying", u"picgame9", u"picgame10", openActivity<&TimesTablesForm>},
    {u"Label20", u"一半", u"Understanding Half", u"picgame31", u"picgame32", openActivity<&HalfForm>},
}};

// The picture a topic button shows at start: the one under the mouse, except for
// `suiImageButton9`, which starts with the one it shows when the mouse has left it.
QString startPicture(int n)
{
    const Topic &topic = Topics.at(size_t(n - 1));
    return QString::fromUtf16(n == 9 ? topic.left : topic.entered);
}

// The header's words, left to right.
struct HeaderWord
{
    const char16_t *label;
    const char16_t *text;
    int left;
};
constexpr std::array<HeaderWord, 6> HeaderWords{{
    {u"Label21", u"学习知识", 42},
    {u"Label24", u"认识世界", 149},
    {u"Label22", u"开阔视野", 259},
    {u"Label23", u"数理逻辑", 369},
    {u"Label25", u"奠定基础", 480},
    {u"Label26", u"引领未来", 590},
}};

QString topicName(int n)
{
    return u"suiImageButton"_s + QString::number(n);
}

} // namespace

TmymainForm::TmymainForm(Services &services)
    : Form(u"mymainForm"_s, u" Abacolo  v6.7"_s, QSize(1018, 732), ControlBox | CloseBox)
    , Table1(new Table(services.session, u"sys.db"_s, this))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    Table1->setObjectName(u"Table1"_s);
    buildLayout();
    FormCreate();
}

void TmymainForm::buildLayout()
{
    // Header: picture, the six words and the publisher's link.
    Image1 = new PictureBox(u"Image1"_s, suiForm1);
    Image1->setGeometry(HeaderPicture);
    Image1->setPicture(readPicture(u":/layout/header.bmp"_s));
    Image1->setMouseTracking(true);
    onEvent(Image1, &PictureBox::mouseMoved, this, [this](QPoint) { Image1MouseMove(); });

    std::array<QLabel *, 6> words{};
    for (size_t i = 0; i < HeaderWords.size(); ++i) {
        const HeaderWord &word = HeaderWords.at(i);
        words.at(i) = makeLabel(QString::fromUtf16(word.label), QString::fromUtf16(word.text),
                                suiForm1, QPoint(word.left, HeaderWordTop), uiFont(15, true),
                                Qt::white);
    }
    Label21 = words[0];
    Label24 = words[1];
    Label22 = words[2];
    Label23 = words[3];
    Label25 = words[4];
    Label26 = words[5];

    suiURLLabel2 = new UrlLabel(u"suiURLLabel2"_s, PublisherName, PublisherPage, suiForm1);
    suiURLLabel2->setFont(uiFont(15, true));
    suiURLLabel2->setStyleSheet(u"color: white;"_s);
    suiURLLabel2->setAlignment(Qt::AlignCenter);
    suiURLLabel2->setGeometry(PublisherLink);
    // A soft shadow keeps the white words readable where the sky is light.
    auto *shadow = new QGraphicsDropShadowEffect(suiURLLabel2);
    shadow->setBlurRadius(4);
    shadow->setOffset(1, 1);
    shadow->setColor(QColor(0, 40, 110, 220));
    suiURLLabel2->setGraphicsEffect(shadow);
    onEvent(suiURLLabel2, &UrlLabel::clicked, this, [this] { suiURLLabel2Click(); });

    // Topic area: background and the strip left of the age tabs.
    Image2 = new PictureBox(u"Image2"_s, suiForm1);
    Image2->setGeometry(Background);
    Image2->setPicture(readPicture(u":/layout/background.bmp"_s));
    Image3 = new PictureBox(u"Image3"_s, suiForm1);
    Image3->setGeometry(Strip);
    Image3->setPicture(readPicture(u":/layout/strip.bmp"_s));
    (new MenuPanel(suiForm1))->setGeometry(AgeTabs); // the age tabs

    // The topic grid.
    for (int n = 1; n <= TopicCount; ++n) {
        const Topic &topic = Topics.at(size_t(n - 1));
        const size_t row = size_t(n - 1) / 5;
        const size_t column = size_t(n - 1) % 5;

        auto *button = new ImageButton(topicName(n), suiForm1);
        button->setGeometry(ButtonLefts.at(column), ButtonTops.at(row), TopicButtonSide,
                            TopicButtonSide);
        button->setCursor(Qt::PointingHandCursor);
        // The starting picture is part of the layout; a missing one is reported, and the
        // window still comes up.
        HandlerGate::guard([&] { m_services.pictures.LoadPictureResource(*button, startPicture(n)); });
        onEvent(button, &QAbstractButton::clicked, this, [this](auto &&...) { suiImageButton1Click(); });
        onEvent(button, &ImageButton::mouseEntered, this, [this, n] { topicMouseEnter(n); });
        onEvent(button, &ImageButton::mouseLeft, this, [this, n] { topicMouseExit(n); });
        m_buttons.at(size_t(n - 1)) = button;

        auto *label = new QLabel(QString::fromUtf16(topic.caption), suiForm1);
        label->setObjectName(QString::fromUtf16(topic.label));
        label->setToolTip(QString::fromUtf16(topic.hint));
        label->setFont(uiFont(13, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setStyleSheet(u"QLabel { color: #1b3f8b; }"_s);
        const int top = n == 20 ? LastLabelTop : LabelTops.at(row);
        // Centred under the button, as high as its font needs.
        label->setGeometry(LabelLefts.at(column), top, LabelWidth,
                           qMax(13, label->sizeHint().height()));
        m_labels.at(size_t(n - 1)) = label;
    }

    Edit3 = new QLineEdit(suiForm1);
    Edit3->setObjectName(u"Edit3"_s);
    Edit3->setGeometry(PressedName);
    Edit3->hide();
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

    setGeometry(QRect(m_services.display.designOrigin(), WholeScreen.size()));
    m_services.session.addPassword(TablePassword);
    openTables();
}

void TmymainForm::openTables()
{
    const QString directory = UserDataDirectory(); // the user's own tables when installed
    // Each table opens on its own, so a bad file closes only its own table. Opening errors are
    // swallowed here: the table keeps the reason, and an activity using it reports it then.
    auto openQuietly = [](const std::function<void()> &open) {
        try {
            open();
        } catch (...) {
        }
    };
    openQuietly([&] { DataModule1->openTables(directory); });
    openQuietly([&] {
        Table1->setDatabaseName(directory);
        Table1->setActive(true);
    });
    openQuietly([&] { Form5->openTables(directory); });
    openQuietly([&] { Form17->openTables(); });
    openQuietly([&] { Form10->openTables(directory); });
}

void TmymainForm::suiImageButton1Click()
{
    // The pressed button took the focus when the mouse went down on it.
    const QWidget *focused = focusWidget();
    Edit3->setText(focused ? focused->objectName() : QString());

    const QString pressed = Edit3->text();
    for (int n = 1; n <= TopicCount; ++n) {
        if (pressed != topicName(n))
            continue;
        if (Form *window = Topics.at(size_t(n - 1)).open())
            alignTop(window);
    }
}

void TmymainForm::alignTop(Form *window) const
{
    window->move(window->x(), y());
}

void TmymainForm::topicMouseEnter(int n)
{
    m_services.pictures.LoadPictureResource(*topicButton(n),
                                            QString::fromUtf16(Topics.at(size_t(n - 1)).entered));
}

void TmymainForm::topicMouseExit(int n)
{
    m_services.pictures.LoadPictureResource(*topicButton(n),
                                            QString::fromUtf16(Topics.at(size_t(n - 1)).left));
}

void TmymainForm::Image1MouseMove()
{
    // A main window dragged away from the corner returns as soon as the mouse touches the
    // header.
    const QPoint corner = m_services.display.designOrigin();
    if (pos() != corner)
        move(corner);
}

void TmymainForm::suiURLLabel2Click()
{
    suiURLLabel2->openUrl();
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
