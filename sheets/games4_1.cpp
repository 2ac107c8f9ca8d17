#include "sheets/games4_1.h"

#include "services/datadirectory.h"
#include "services/pictures.h"
#include "services/random.h"
#include "services/services.h"
#include "sheets/colourtext.h"
#include "sheets/practicerules.h"
#include "tables/apperror.h"
#include "tables/tables.h"
#include "toolkit/bevel.h"
#include "toolkit/colourtile.h"
#include "toolkit/dbtext.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/mousewatch.h"
#include "toolkit/panel.h"
#include "toolkit/picturecard.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/timer.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm5 *Form5 = nullptr;

namespace games4_1 {
bool dragging = false;
int grabX = 0;
int grabY = 0;
int orderTheme = 1;
} // namespace games4_1

using games4_1::dragging;
using games4_1::grabX;
using games4_1::grabY;
using games4_1::orderTheme;

namespace {

constexpr int PictureBoxSize = 140;
constexpr int TileSize = 120;
const QColor Fuchsia(255, 0, 255);
const QColor Orange(255, 128, 64);

// The time in the system's format with hours, minutes and seconds (its long format without
// the time zone).
QString systemTimeText(const QTime &time)
{
    const QLocale system = QLocale::system();
    const QString longFormat = system.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        format.append(c);
    }
    return system.toString(time, format.simplified());
}

// The pictures of the new-question and hint buttons, 48 × 48.
QPixmap questionGlyph()
{
    QPixmap glyph(48, 48);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(18, 16), 30);
    ball.setColorAt(0, QColor(255, 236, 130));
    ball.setColorAt(1, QColor(255, 143, 0));
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(ball);
    p.drawEllipse(QRectF(3, 3, 42, 42));
    QPainterPath mark;
    QFont font = uiFont(32, true);
    mark.addText(0, 0, font, u"?"_s);
    const QRectF bounds = mark.boundingRect();
    mark.translate(24 - bounds.center().x(), 24 - bounds.center().y());
    p.setPen(QPen(QColor(200, 90, 0), 2));
    p.setBrush(Qt::white);
    p.drawPath(mark);
    return glyph;
}

QPixmap hintGlyph()
{
    QPixmap glyph(48, 48);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays.
    p.setPen(QPen(QColor(255, 241, 118), 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(24, 19);
    for (int angle : {-150, -115, -65, -30, 0, 180}) {
        const qreal rad = qDegreesToRadians(qreal(angle));
        const QPointF dir(std::cos(rad), std::sin(rad));
        p.drawLine(centre + dir * 17, centre + dir * 22);
    }
    // Glass.
    QRadialGradient glass(QPointF(20, 14), 16);
    glass.setColorAt(0, QColor(255, 253, 220));
    glass.setColorAt(1, QColor(255, 202, 40));
    p.setPen(QPen(QColor(230, 150, 0), 1.5));
    p.setBrush(glass);
    QPainterPath bulb;
    bulb.addEllipse(QRectF(12, 7, 24, 24));
    QPainterPath neck;
    neck.addRoundedRect(QRectF(18, 24, 12, 10), 3, 3);
    p.drawPath(bulb.united(neck));
    // Screw base.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 144, 156));
    p.drawRoundedRect(QRectF(18, 34, 12, 4), 1.5, 1.5);
    p.setBrush(QColor(96, 125, 139));
    p.drawRoundedRect(QRectF(19, 38.5, 10, 3.5), 1.5, 1.5);
    p.drawEllipse(QRectF(21.5, 41, 5, 4));
    return glyph;
}

// Where each control stands, and the left edges and areas of the boxes, for the rules.
template<typename Control, size_t N>
std::array<QPoint, N> positions(const std::array<Control *, N> &controls)
{
    std::array<QPoint, N> at;
    for (size_t i = 0; i < N; ++i)
        at[i] = controls[i]->pos();
    return at;
}

template<size_t N>
std::array<int, N> leftEdges(const std::array<Bevel *, N> &boxes)
{
    std::array<int, N> lefts{};
    for (size_t i = 0; i < N; ++i)
        lefts[i] = boxes[i]->x();
    return lefts;
}

// Each control dropped over a box moves into it and comes to the front.
template<typename Control, size_t Controls, size_t Boxes>
void snapIntoBoxes(const std::array<Control *, Controls> &controls,
                   const std::array<Bevel *, Boxes> &boxes, int line)
{
    std::array<QRect, Boxes> areas;
    for (size_t i = 0; i < Boxes; ++i)
        areas[i] = boxes[i]->geometry();
    for (Control *control : controls) {
        if (const std::optional<size_t> box = snapBox(control->geometry(), areas, line)) {
            control->move(boxes[*box]->pos());
            control->raise();
        }
    }
}

QProgressBar *makeBar(const QString &name, QWidget *page, QRect geometry)
{
    auto *bar = new QProgressBar(page);
    bar->setObjectName(name);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(true);
    bar->setFont(uiFont(9, true));
    bar->setGeometry(geometry);
    bar->hide();
    return bar;
}

// The score labels: big, bold, fuchsia and glowing.
QLabel *makeScoreLabel(const QString &name, const QString &text, QWidget *page, QPoint at)
{
    QLabel *label = makeLabel(name, text, page, at, uiFont(32, true), Fuchsia);
    label->setFixedWidth(57);
    auto *glow = new QGraphicsDropShadowEffect(label);
    glow->setOffset(0, 0);
    glow->setBlurRadius(14);
    glow->setColor(QColor(255, 235, 59));
    label->setGraphicsEffect(glow);
    label->hide();
    return label;
}

} // namespace

TForm5::TForm5(Services &services)
    : Form(u"Form5"_s, u"自己练一练"_s, QSize(1018, 733))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"changcolor.db"_s, this))
    , Timer1(new Timer(u"Timer1"_s, this, 1000, true))
    , m_services(services)
    , m_ordering(services.clock, services.answers, u"ordering"_s)
    , m_colouring(services.clock, services.answers, u"colouring"_s)
{
    Table1->setObjectName(u"Table1"_s);
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);

    createColouringPage();
    createOrderingPage(); // in front of the colouring page
    Timer1->setOnTimer([this] { Timer1Timer(); });

    FormCreate();
    placePages();
}

void TForm5::FormCreate()
{
    resize(width(), 768);
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm5::placePages()
{
    if (!Panel1 || !Panel2)
        return;
    const int border = suiForm1->skin().borderWidth;
    const int top = suiForm1->titleHeight();
    const QRect page(border, top, width() - 2 * border, height() - top - border);
    Panel1->setGeometry(page);
    Panel2->setGeometry(page);
}

void TForm5::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    placePages();
}

QPushButton *TForm5::makeButton(const QString &name, QWidget *page, QRect geometry,
                                const QPixmap &glyph, const QString &hint)
{
    auto *button = new QPushButton(page);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIcon(QIcon(glyph));
    button->setIconSize(QSize(42, 42));
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    // The picture fills the button: no room is left for padding.
    button->setStyleSheet(u"QPushButton { padding: 0px; }"_s);
    return button;
}

void TForm5::watchDrags(QWidget *control, bool isPicture)
{
    control->setCursor(Qt::OpenHandCursor);
    auto *watch = new MouseWatch(control);
    onEvent(watch, &MouseWatch::pressed, this,
            [this, control](QPoint at, Qt::MouseButton) { Image1MouseDown(control, at); });
    onEvent(watch, &MouseWatch::moved, this,
            [this, control](QPoint at) { Image1MouseMove(control, at); });
    if (isPicture) {
        onEvent(watch, &MouseWatch::released, this,
                [this, control](QPoint, Qt::MouseButton) { Image1MouseUp(control); });
    } else {
        onEvent(watch, &MouseWatch::released, this,
                [this, control](QPoint, Qt::MouseButton) { Image6MouseUp(control); });
    }
}

void TForm5::createColouringPage()
{
    Panel2 = new Panel(u"Panel2"_s, suiForm1, Qt::black);
    const QColor white(Qt::white);

    // Boxes 1 … 7 from the left.
    const std::array<int, 7> boxLefts{56, 184, 312, 440, 568, 696, 824};
    std::array<Bevel **, 7> boxes{&Bevel12, &Bevel11, &Bevel10, &Bevel9, &Bevel8, &Bevel7, &Bevel6};
    for (int j = 0; j < 7; ++j) {
        *boxes[j] = new Bevel(u"Bevel"_s + QString::number(12 - j), Panel2);
        (*boxes[j])->setGeometry(boxLefts[j], 109, TileSize, TileSize);
        m_colourBoxes[6 - j] = *boxes[j];
    }

    // The captions above the boxes follow the current colour set.
    const std::array<int, 7> captionLefts{80, 208, 336, 464, 592, 720, 840};
    std::array<DBText **, 7> captions{&DBText1, &DBText2, &DBText3, &DBText4,
                                      &DBText5, &DBText6, &DBText7};
    for (int j = 0; j < 7; ++j) {
        auto *caption = new DBText(u"DBText"_s + QString::number(j + 1), Panel2);
        caption->setGeometry(captionLefts[j], 61, 75, 41);
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(uiFont(20, true));
        caption->setAttribute(Qt::WA_TranslucentBackground);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, white);
        caption->setPalette(palette);
        caption->setDataField(Table1, u"Bt"_s + QString::number(j + 1));
        *captions[j] = caption;
    }

    Label9 = makeLabel(u"Label9"_s, u"----"_s, Panel2, QPoint(16, 213), uiFont(12), white);
    Label9->hide();

    // The tiles, in their colours from creation.
    const std::array<int, 7> tileLefts{48, 184, 320, 448, 576, 704, 832};
    const std::array<QColor, 7> tileColours{QColor(255, 0, 0), QColor(255, 0, 255),
                                            QColor(255, 255, 0), QColor(0, 128, 0),
                                            QColor(0, 0, 0), QColor(0, 0, 255),
                                            QColor(128, 0, 128)};
    std::array<ColourTile **, 7> tiles{&Image12, &Image11, &Image10, &Image9,
                                       &Image8, &Image7, &Image6};
    for (int j = 0; j < 7; ++j) {
        const int number = 12 - j;
        *tiles[j] = new ColourTile(u"Image"_s + QString::number(number), Panel2, tileColours[j]);
        (*tiles[j])->setGeometry(tileLefts[j], 259, TileSize, TileSize);
        m_tiles[number - 6] = *tiles[j];
    }
    // Stacked in ascending number, as the snapping handles them.
    for (ColourTile *tile : m_tiles)
        tile->raise();
    for (ColourTile *tile : m_tiles)
        watchDrags(tile, false);

    suiProgressBar2 = makeBar(u"suiProgressBar2"_s, Panel2, QRect(48, 391, 905, 12));

    suiCheckBox1 = new QCheckBox(u"色彩一"_s, Panel2);
    suiCheckBox1->setObjectName(u"suiCheckBox1"_s);
    suiCheckBox1->setChecked(true);
    suiCheckBox2 = new QCheckBox(u"色彩二"_s, Panel2);
    suiCheckBox2->setObjectName(u"suiCheckBox2"_s);
    for (QCheckBox *box : {suiCheckBox1, suiCheckBox2}) {
        box->setFont(uiFont(16, true));
        // White words on the dark page; the box keeps its own dark mark on white.
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, white);
        box->setPalette(palette);
        box->setCursor(Qt::PointingHandCursor);
        box->adjustSize();
    }
    suiCheckBox1->move(432, 423);
    suiCheckBox2->move(528, 423);

    suiButton5 = makeButton(u"suiButton5"_s, Panel2, QRect(424, 488, 56, 49), questionGlyph(),
                            u"出题"_s);
    suiButton3 = makeButton(u"suiButton3"_s, Panel2, QRect(536, 487, 56, 49), hintGlyph(),
                            u"提示"_s);

    // Never shown: the buttons that move through the colour sets, which the check boxes click.
    Panel4 = new Panel(u"Panel4"_s, Panel2, QColor(240, 240, 240), Panel::Border::Single);
    Panel4->setGeometry(8, 389, 209, 249);
    Button1 = new QPushButton(u"next"_s, Panel4);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(16, 208, 75, 25);
    Button2 = new QPushButton(u"prew"_s, Panel4);
    Button2->setObjectName(u"Button2"_s);
    Button2->setGeometry(112, 208, 75, 25);
    Panel4->hide();

    onEvent(suiButton5, &QPushButton::clicked, this, [this](auto...) { suiButton5Click(); });
    onEvent(suiButton3, &QPushButton::clicked, this, [this](auto...) { suiButton3Click(); });
    onEvent(suiCheckBox1, &QCheckBox::clicked, this, [this](auto...) { suiCheckBox1Click(); });
    onEvent(suiCheckBox2, &QCheckBox::clicked, this, [this](auto...) { suiCheckBox2Click(); });
    onEvent(Button1, &QPushButton::clicked, this, [this](auto...) { Button1Click(); });
    onEvent(Button2, &QPushButton::clicked, this, [this](auto...) { Button2Click(); });
}

void TForm5::createOrderingPage()
{
    Panel1 = new Panel(u"Panel1"_s, suiForm1, Qt::black);
    const QColor white(Qt::white);
    const std::array<int, 5> lefts{136, 288, 440, 592, 744};

    std::array<Bevel **, 5> boxes{&Bevel1, &Bevel2, &Bevel3, &Bevel4, &Bevel5};
    for (int k = 0; k < 5; ++k) {
        *boxes[k] = new Bevel(u"Bevel"_s + QString::number(k + 1), Panel1);
        (*boxes[k])->setGeometry(lefts[k], 94, PictureBoxSize, PictureBoxSize);
        m_orderBoxes[k] = *boxes[k];
    }

    Label1 = makeLabel(u"Label1"_s, u"大"_s, Panel1, QPoint(80, 142), uiFont(40, true), white);
    Label5 = makeLabel(u"Label5"_s, u"小"_s, Panel1, QPoint(896, 142), uiFont(40, true), white);

    const QColor systemText = QApplication::palette().color(QPalette::WindowText);
    const std::array<int, 5> countLefts{200, 360, 512, 664, 816};
    const std::array<QString, 5> countNames{u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label6"_s,
                                            u"Label7"_s};
    for (int k = 0; k < 5; ++k) {
        m_counts[k] = makeLabel(countNames[k], u"0"_s, Panel1, QPoint(countLefts[k], 246),
                                uiFont(16), systemText);
    }
    Label2 = m_counts[0];
    Label3 = m_counts[1];
    Label4 = m_counts[2];
    Label6 = m_counts[3];
    Label7 = m_counts[4];

    std::array<PictureCard **, 5> pictures{&Image1, &Image2, &Image3, &Image4, &Image5};
    for (int k = 0; k < 5; ++k) {
        auto *picture = new PictureCard(u"Image"_s + QString::number(k + 1), Panel1);
        picture->setGeometry(lefts[k], 284, PictureBoxSize, PictureBoxSize);
        // The layout's pictures until the first question: the big-to-small set.
        m_services.pictures.LoadPictureResource(*picture, u"hm"_s + QString::number(k + 1));
        watchDrags(picture, true);
        m_pictures[k] = picture;
        *pictures[k] = picture;
    }

    suiProgressBar1 = makeBar(u"suiProgressBar1"_s, Panel1, QRect(232, 443, 569, 12));
    Label24 = makeScoreLabel(u"Label24"_s, u"100"_s, Panel1, QPoint(456, 492));
    Label23 = makeScoreLabel(u"Label23"_s, u"分!!"_s, Panel1, QPoint(520, 492));

    suiButton2 = makeButton(u"suiButton2"_s, Panel1, QRect(440, 572, 57, 49), questionGlyph(),
                            u"出题"_s);
    suiButton1 = makeButton(u"suiButton1"_s, Panel1, QRect(536, 572, 56, 49), hintGlyph(),
                            u"提示"_s);
    onEvent(suiButton2, &QPushButton::clicked, this, [this](auto...) { suiButton2Click(); });
    onEvent(suiButton1, &QPushButton::clicked, this, [this](auto...) { suiButton1Click(); });
}

// --- Window events -------------------------------------------------------------------------

void TForm5::FormActivate()
{
    suiButton2Click();
    Image11->setColor(Orange);
}

void TForm5::showColouringPage()
{
    Panel2->raise();
    suiButton5->setVisible(true);
    suiButton3->setVisible(true);
    suiButton5Click(); // performs a click: a new colouring question
}

void TForm5::showOrderingPage()
{
    Panel1->raise();
}

void TForm5::openTables(const QString &directory)
{
    Table1->setDatabaseName(directory);
    Table1->setActive(true);
}

void TForm5::Timer1Timer()
{
    suiForm1->setCaption(u"当前时间："_s + systemTimeText(m_services.clock.timeOfDay()));
}

// --- Dragging ------------------------------------------------------------------------------

void TForm5::Image1MouseDown(QWidget *control, QPoint at)
{
    grabX = at.x();
    grabY = at.y();
    dragging = true;
    // The control in hand passes over the others.
    control->raise();
    control->setCursor(Qt::ClosedHandCursor);
}

void TForm5::Image1MouseMove(QWidget *control, QPoint at)
{
    if (!dragging)
        return;
    // The grabbed point stays under the pointer.
    control->move(control->x() + (at.x() - grabX), control->y() + (at.y() - grabY));
}

void TForm5::Image1MouseUp(QWidget *control)
{
    dragging = false;
    control->setCursor(Qt::OpenHandCursor);
    SnapOrderPictures();
    CountColumns();
    ScoreOrder();
}

void TForm5::Image6MouseUp(QWidget *control)
{
    dragging = false;
    control->setCursor(Qt::OpenHandCursor);
    SnapColourTiles();
    ScoreColours();
}

// --- Snapping and marking ------------------------------------------------------------------

void TForm5::SnapOrderPictures()
{
    snapIntoBoxes(m_pictures, m_orderBoxes, Label2->y());
}

void TForm5::SnapColourTiles()
{
    snapIntoBoxes(m_tiles, m_colourBoxes, Label9->y());
}

void TForm5::CountColumns()
{
    for (size_t k = 0; k < m_orderBoxes.size(); ++k) {
        int count = 0;
        for (const PictureCard *picture : m_pictures) {
            if (picture->x() == m_orderBoxes[k]->x())
                ++count;
        }
        m_counts[k]->setText(QString::number(count));
        m_counts[k]->adjustSize();
    }
}

void TForm5::ScoreOrder()
{
    const int line = Label9->y();
    const auto at = positions(m_pictures);
    const auto lefts = leftEdges(m_orderBoxes);
    const int score = orderScore(at, lefts, line);
    suiProgressBar1->setValue(score);
    const QString order = arrangementText(at, lefts, line);
    if (order != std::exchange(m_lastOrder, order))
        m_ordering.given(order, score == 100);
    if (score == 100) {
        m_services.cues.PlayCue(u"vright"_s);
        Label23->show();
        Label24->show();
        Label24->setText(u"100"_s);
    }
    m_ordering.report();
}

void TForm5::ScoreColours()
{
    const int line = Label9->y();
    const auto at = positions(m_tiles);
    const auto lefts = leftEdges(m_colourBoxes);
    const int score = colourScore(at, lefts, line);
    suiProgressBar2->setValue(score);
    const QString colours = arrangementText(at, lefts, line);
    if (colours != std::exchange(m_lastColours, colours))
        m_colouring.given(colours, score == 100);
    if (score == 100)
        m_services.cues.PlayCue(u"vright"_s);
    m_colouring.report();
}

// --- Questions and hints -------------------------------------------------------------------

void TForm5::suiButton2Click()
{
    Label23->hide();
    Label24->hide();
    m_services.counters.IncrementCounter(u"num3"_s);
    suiProgressBar1->hide();

    const OrderTheme &theme = OrderThemes[orderTheme - 1];
    Label1->setText(theme.left.toString());
    Label1->adjustSize();
    Label5->setText(theme.right.toString());
    Label5->adjustSize();
    for (int k = 0; k < 5; ++k) {
        m_services.pictures.LoadPictureResource(*m_pictures[k],
                                                theme.pictures.toString() + QString::number(k + 1));
    }
    orderTheme = orderTheme < 5 ? orderTheme + 1 : 1;

    m_services.random.seed(m_services.clock.secondsNow());
    const int r = m_services.random.below(5);
    const int top = Label2->y() + 50;
    for (int j = 0; j < 5; ++j)
        m_pictures[OrderArrangements[r][j] - 1]->move(m_orderBoxes[j]->x(), top);
    m_ordering.asked(Label1->text() + u"→"_s + Label5->text());
    m_lastOrder = arrangementText(positions(m_pictures), leftEdges(m_orderBoxes), Label9->y());
}

void TForm5::suiButton1Click()
{
    m_services.counters.IncrementCounter(u"num2"_s);
    suiProgressBar1->setVisible(!suiProgressBar1->isVisible());
}

void TForm5::suiButton5Click()
{
    m_services.counters.IncrementCounter(u"num2"_s);
    suiProgressBar2->hide();
    suiProgressBar2->setValue(0);

    m_services.random.seed(m_services.clock.secondsNow());
    const int r = m_services.random.below(6);
    const int top = Label9->y() + 40;
    for (int j = 0; j < 7; ++j) {
        // Box j + 1 from the left is Bevel(12 − j).
        m_tiles[ColourArrangements[r][j] - 6]->move(m_colourBoxes[6 - j]->x(), top);
    }
    m_colouring.asked(u"颜色配对"_s);
    m_lastColours = arrangementText(positions(m_tiles), leftEdges(m_colourBoxes), Label9->y());
}

void TForm5::suiButton3Click()
{
    suiProgressBar2->setVisible(!suiProgressBar2->isVisible());
}

// --- Colour sets ---------------------------------------------------------------------------

void TForm5::suiCheckBox1Click()
{
    Button2Click();
    suiCheckBox2->setChecked(false);
}

void TForm5::suiCheckBox2Click()
{
    Button1Click();
    suiCheckBox1->setChecked(false);
}

void TForm5::Button1Click()
{
    Table1->next();
    ApplyColourSet();
}

void TForm5::Button2Click()
{
    Table1->prior();
    ApplyColourSet();
}

void TForm5::ApplyColourSet()
{
    // All seven are converted before any tile is coloured: a bad one colours nothing.
    const QPalette desktop = QApplication::palette();
    std::array<QColor, 7> colours;
    for (int j = 0; j < 7; ++j) {
        const QString field = u"Color"_s + QString::number(j + 1);
        const QString text = Table1->fieldByName(field).asString();
        const std::optional<QColor> colour = colourFromText(text, desktop);
        if (!colour) {
            throw AppError(u"颜色转换出错：“%1”（%2）既不是颜色名称，也不是数字。"_s
                               .arg(text, field));
        }
        colours[j] = *colour;
    }
    // Box j from the left and the tile that belongs in it, Image(13 − j), show field j.
    for (int j = 0; j < 7; ++j)
        m_tiles[6 - j]->setColor(colours[j]);
}

} // namespace abacolo
