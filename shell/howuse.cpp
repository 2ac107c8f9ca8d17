#include "shell/howuse.h"

#include "services/datadirectory.h"
#include "services/pictures.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/picturebox.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/urllabel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>
#include <array>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm6 *Form6 = nullptr;

namespace {

const QColor Teal(0x00, 0x80, 0x80);
const QColor Magenta(0xc0, 0x00, 0xc0);
const QColor Ink(0x1b, 0x1b, 0x1b);

enum class Style { Text, Title, BigTitle, Magenta };

struct Text
{
    const char16_t *text;
    int left;
    int top;
    Style style = Style::Text;
};

struct Picture
{
    const char16_t *name;
    int left;
    int top;
    int width;
    int height;
};

struct PageButton
{
    const char16_t *name;
    int left;
    int top;
};

struct BookPage
{
    const char16_t *sheet;
    const char16_t *caption;
    PageButton previous; // name null: none
    PageButton next;
    QList<Picture> pictures;
    QList<Text> texts;
};

QList<BookPage> bookPages()
{
    return {
        {u"TabSheet1", u"使用步骤1", {nullptr, 0, 0}, {u"SpeedButton1", 720, 456},
         {{u"Image1", 541, 48, 233, 313}},
         {{u"一、软件设计思想", 160, 11, Style::BigTitle},
          {u"1、软件界面左边为练习打印区，系统的归纳了目前各类儿童数学能力培养的精华，", 16, 32},
          {u"把整个学前阶段的培训资料融人了软件。使家长可以轻松获得整套数学培训的资", 32, 56},
          {u"料，并且帮助您正确制定符合自己孩子的最佳启蒙学习计划。", 32, 80},
          {u"所有数字计算练习，每次<点击>打开内容都是不一样的。", 32, 104, Style::Magenta},
          {u"2、软件界面右区为多媒体亲子互动练习区：系统的打印练习可以阶梯式的提高儿童", 16, 128},
          {u"动手动脑能力；智力开发练习可以借助多媒体的优势更加形象、全面的表现知", 34, 152},
          {u"识，结合两者可以有效的开发儿童智力，让您的孩子赢在起跑线上。", 32, 176},
          {u"二、学习注意事项", 160, 202, Style::Title},
          {u"1、练习时要求根据软件规划年龄阶段，掌握由浅入深、循序渐进的原则", 16, 221},
          {u"2、一般练习以两页打印纸/每天为宜( 星期一至星期六 )", 16, 245},
          {u"3、练习时家长可以根据打印纸练习要求监督指导", 16, 269},
          {u"4、做数学计算练习时要求控制时间在10~15分钟/两页", 16, 293},
          {u"5、三周岁以后要求在表格上添入时间、姓名等信息", 16, 317},
          {u"6、完成后家长必须认真察看并给予鼓励", 16, 341},
          {u"7、建议家长使用文字练习，有助于提高儿童手的灵活性和大脑的发育", 16, 365},
          {u"注：1、在算术练习中不允许使用手指作为计算辅助工具", 24, 397},
          {u"2、如果没有打印机可以使用软件直接练习", 48, 421},
          {u"3、为节约资源建议双面打印练习，防止浪费", 48, 445},
          {u"4、练习亲子游戏时，请打开声音会有更好的效果。", 48, 469},
          {u"一、看图图颜色", 607, 24, Style::Title},
          {u"注：让幼儿熟悉图形和色彩笔的使用", 537, 376},
          {u"只列举了部分功能图片，详细功能请查看软件界面左边区域。", 409, 410, Style::Magenta}}},
        {u"TabSheet2", u"使用步骤2", {u"SpeedButton3", 664, 384}, {u"SpeedButton4", 720, 384},
         {{u"Image2", 40, 88, 201, 249}, {u"Image3", 296, 88, 201, 249}, {u"Image5", 552, 88, 201, 249}},
         {{u"二、看图图颜色", 96, 56, Style::Title},
          {u"三、描线练习", 352, 56, Style::Title},
          {u"四、高级图色练习", 608, 56, Style::Title},
          {u"注：让幼儿熟悉数字、字母形状和色彩笔的使用", 6, 360},
          {u"注：让幼儿熟悉英语字母和铅笔的使用", 289, 384},
          {u"注：提高幼儿整体控制及想象能力", 551, 360}}},
        {u"TabSheet3", u"使用步骤3", {u"SpeedButton5", 672, 408}, {u"SpeedButton6", 728, 408},
         {{u"Image4", 32, 88, 201, 249}, {u"Image6", 296, 88, 201, 249}, {u"Image7", 552, 88, 201, 249}},
         {{u"五、画线练习", 88, 56, Style::Title},
          {u"六、描、写数字", 352, 56, Style::Title},
          {u"七、数一数字母的个数", 576, 56, Style::Title},
          {u"注：提高幼儿用铅笔画几何线条的能力", 23, 360},
          {u"注：让幼儿掌握数字的书写方法", 305, 360},
          {u"注：进一步熟悉英语字母和数数的能力", 546, 360}}},
        {u"TabSheet4", u"使用步骤4", {u"SpeedButton7", 656, 400}, {u"SpeedButton8", 712, 400},
         {{u"Image8", 40, 88, 201, 249}, {u"Image9", 296, 88, 201, 249}, {u"Image10", 552, 88, 201, 249}},
         {{u"八、补填数字", 88, 56, Style::Title},
          {u"九、简单加法", 352, 56, Style::Title},
          {u"十、组的运算", 608, 56, Style::Title},
          {u"注：让幼儿逐渐掌握数字的大小顺序", 32, 360},
          {u"注：引导幼儿掌握加法的概念和方法", 296, 360},
          {u"注：让幼儿掌握组、集合的概念", 560, 360}}},
        {u"TabSheet6", u"使用步骤5", {u"SpeedButton9", 672, 392}, {u"SpeedButton10", 728, 392},
         {{u"Image11", 128, 40, 161, 113}, {u"Image12", 320, 40, 161, 113},
          {u"Image13", 520, 40, 161, 113}, {u"Image16", 128, 240, 161, 113},
          {u"Image14", 520, 240, 161, 113}},
         {{u"游戏一：", 24, 16, Style::Title},
          {u"游戏二：", 24, 216, Style::Title},
          {u"游戏三：", 456, 217, Style::Title},
          {u"注：让幼儿通过自主练习掌握颜色和汉字的书写", 256, 176},
          {u"注：让幼儿通过自主练习掌握大小、多少、长短、", 80, 368},
          {u"粗细等的自然现象和逻辑概念。", 112, 392},
          {u"注：让幼儿通过自主练习熟悉一些小动物和学会自己数数。", 408, 368}}},
        {u"TabSheet7", u"使用步骤6", {u"SpeedButton11", 672, 384}, {u"SpeedButton12", 728, 384},
         {{u"Image15", 80, 104, 257, 185}, {u"Image18", 448, 104, 265, 193}},
         {{u"游戏三：", 72, 72, Style::Title},
          {u"游戏四：", 440, 72, Style::Title},
          {u"注：数动物、学数字", 120, 312},
          {u"注：自己数一数、加一加", 520, 320}}},
        {u"TabSheet8", u"使用步骤7", {u"SpeedButton13", 664, 368}, {u"SpeedButton14", 720, 368},
         {{u"Image22", 88, 104, 257, 193}, {u"Image23", 456, 104, 265, 193}},
         {{u"游戏五：", 56, 80, Style::Title},
          {u"游戏六：", 424, 80, Style::Title},
          {u"注：自己做，认识数轴", 136, 320},
          {u"注：自己练，认识统计图", 536, 328}}},
        {u"TabSheet10", u"使用步骤8", {u"SpeedButton15", 664, 384}, {u"SpeedButton16", 720, 384},
         {{u"Image24", 88, 96, 265, 193}, {u"Image25", 448, 96, 265, 193}},
         {{u"游戏七：", 56, 72, Style::Title},
          {u"游戏八：", 408, 72, Style::Title},
          {u"注：自己数一数，学习乘法口诀", 128, 320},
          {u"注：做练习、玩游戏", 528, 320}}},
    };
}

// The picture of a page: its resource carries the picture control's name.
QString pictureResource(const char16_t *name)
{
    return u":/layout/howuse_"_s + QString::fromUtf16(name).toLower() + u".png"_s;
}

// The page buttons' glyph: a round green button with a white arrow.
QPixmap arrowGlyph(bool forward)
{
    constexpr int S = 57;
    QPixmap pixmap(S * 2, S * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(6, 6, S - 12, S - 12);
    QRadialGradient shine(disc.center() - QPointF(7, 9), disc.width() * 0.8);
    shine.setColorAt(0, QColor(0xa5, 0xe8, 0x8a));
    shine.setColorAt(1, QColor(0x2e, 0x9e, 0x3c));
    p.setPen(QPen(QColor(0x1b, 0x6e, 0x27), 1.5));
    p.setBrush(shine);
    p.drawEllipse(disc);
    QPainterPath arrow;
    const qreal c = S / 2.0;
    const qreal d = forward ? 1 : -1;
    arrow.moveTo(c - d * 11, c - 5);
    arrow.lineTo(c + d * 1, c - 5);
    arrow.lineTo(c + d * 1, c - 12);
    arrow.lineTo(c + d * 13, c);
    arrow.lineTo(c + d * 1, c + 12);
    arrow.lineTo(c + d * 1, c + 5);
    arrow.lineTo(c - d * 11, c + 5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x1b, 0x6e, 0x27), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return pixmap;
}

QFont styleFont(Style style)
{
    switch (style) {
    case Style::BigTitle:
        return uiFont(16, true);
    case Style::Title:
        return uiFont(15, true);
    case Style::Text:
    case Style::Magenta:
        break;
    }
    return uiFont(13);
}

QColor styleColour(Style style)
{
    switch (style) {
    case Style::BigTitle:
    case Style::Title:
        return Teal;
    case Style::Magenta:
        return Magenta;
    case Style::Text:
        break;
    }
    return Ink;
}

// Our studio's other titles, still being made; each links to its page.
struct Plan
{
    const char16_t *picture;
    const char16_t *name;
    const char16_t *about;
    const char16_t *page;
};

constexpr std::array<Plan, 4> Plans{{
    {u"picgame11", u"Abacolo 认识形状", u"圆形、三角形、正方形：找一找、拼一拼、涂一涂。", u"shapes"},
    {u"picgame28", u"Abacolo 认识时间", u"看钟面、拨指针，认识整点和半点，安排一天的时间。", u"clock"},
    {u"picgame9", u"Abacolo 乘法口诀", u"用一组一组的小动物数出乘法，边唱边记九九口诀。", u"times"},
    {u"picgame13", u"Abacolo 比一比", u"比大小、比多少、比长短，学会用 >、<、= 说出结果。", u"compare"},
}};

} // namespace

TForm6::TForm6(Services &services)
    : Form(u"Form6"_s, u"如何使用软件"_s, QSize(804, 594),
           ControlBox | CloseBox | MinimiseBox | MaximiseBox)
    , RzPageControl1(new PageControl(u"RzPageControl1"_s, suiForm1, 19))
    , suiFileTheme1(new FileTheme(this))
    , m_services(services)
{
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);
    suiForm1->setColor(QColor(0xfd, 0xfd, 0xf8));
    RzPageControl1->setGeometry(0, 29, 804, 565);
    RzPageControl1->setTabFont(uiFont(12, true));
    RzPageControl1->setColours(QColor(0x4d, 0xd0, 0xc8), QColor(0xd6, 0xf2, 0xef), QColor(0xfd, 0xfd, 0xf8));
    buildPages();
    FormCreate();
}

void TForm6::FormCreate()
{
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm6::buildPages()
{
    auto addButton = [this](QWidget *page, const PageButton &at, bool forward) {
        if (!at.name)
            return;
        QPixmap &glyph = m_arrows.at(forward ? 1 : 0);
        if (glyph.isNull())
            glyph = arrowGlyph(forward);
        auto *button = new SpeedButton(QString::fromUtf16(at.name), page);
        button->setGeometry(at.left, at.top, 57, 57);
        button->setGlyph(glyph);
        button->setCaptionColor(QColor(0x2e, 0x9e, 0x3c));
        button->setToolTip(forward ? u"下一页"_s : u"上一页"_s);
        if (forward)
            onEvent(button, &QAbstractButton::clicked, this, [this](auto &&...) { SpeedButton1Click(); });
        else
            onEvent(button, &QAbstractButton::clicked, this, [this](auto &&...) { SpeedButton2Click(); });
    };
    auto fillPage = [addButton](QWidget *page, const BookPage &book, int firstLabel) {
        for (const Picture &picture : book.pictures) {
            auto *image = new PictureBox(QString::fromUtf16(picture.name), page);
            image->setGeometry(picture.left, picture.top, picture.width, picture.height);
            image->setPictureFile(pictureResource(picture.name));
        }
        int label = firstLabel;
        for (const Text &text : book.texts) {
            makeLabel(u"Label"_s + QString::number(label++), QString::fromUtf16(text.text), page,
                      QPoint(text.left, text.top), styleFont(text.style), styleColour(text.style));
        }
        addButton(page, book.previous, false);
        addButton(page, book.next, true);
    };

    // Each page's controls are made when it is first shown: most openings read a page or two.
    // The labels are numbered through the booklet, whichever page is made first.
    int labels = 0;
    for (const BookPage &book : bookPages()) {
        RzPageControl1->addPage(QString::fromUtf16(book.sheet), QString::fromUtf16(book.caption),
                                [fillPage, book, firstLabel = labels + 1](QWidget *page) {
                                    fillPage(page, book, firstLabel);
                                });
        labels += int(book.texts.size());
    }
    RzPageControl1->addPage(u"TabSheet11"_s, u"其它软件"_s,
                            [this](QWidget *page) { buildOtherSoftware(page); });
    RzPageControl1->setActivePageIndex(0);
}

void TForm6::buildOtherSoftware(QWidget *page)
{
    makeLabel(u"OtherTitle"_s, u"Abacolo 亲子数学工作室正在制作的其它软件"_s, page, QPoint(40, 24),
              uiFont(18, true), Teal);
    makeLabel(u"OtherIntro"_s,
              u"下面这些软件和本软件一样，由家长和孩子一起玩、一起学。点击名称可以查看它们的介绍和进展。"_s,
              page, QPoint(40, 60), uiFont(13), Ink);
    for (size_t i = 0; i < Plans.size(); ++i) {
        const Plan &plan = Plans.at(i);
        const int top = 100 + int(i) * 100;
        auto *picture = new PictureBox(u"OtherPicture"_s + QString::number(i + 1), page);
        picture->setGeometry(56, top, 80, 80);
        HandlerGate::guard([&] {
            m_services.pictures.LoadPictureResource(*picture, QString::fromUtf16(plan.picture));
        });
        auto *link = new UrlLabel(u"OtherLink"_s + QString::number(i + 1),
                                  QString::fromUtf16(plan.name),
                                  QUrl(u"https://abacolo.example/plans/"_s + QString::fromUtf16(plan.page)),
                                  page);
        link->setFont(uiFont(16, true));
        link->setStyleSheet(u"color: #1565c0;"_s);
        link->move(160, top + 12);
        link->adjustSize();
        onEvent(link, &UrlLabel::clicked, this, [link] { link->openUrl(); });
        makeLabel(u"OtherAbout"_s + QString::number(i + 1), QString::fromUtf16(plan.about), page,
                  QPoint(160, top + 44), uiFont(13), Magenta);
    }
}

void TForm6::SpeedButton1Click()
{
    RzPageControl1->setActivePageIndex(RzPageControl1->activePageIndex() + 1);
}

void TForm6::SpeedButton2Click()
{
    RzPageControl1->setActivePageIndex(RzPageControl1->activePageIndex() - 1);
}

void TForm6::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    // The pages fill the window below the title bar, also when it is maximised.
    RzPageControl1->setGeometry(0, suiForm1->titleHeight(), width(), height() - suiForm1->titleHeight());
}

} // namespace abacolo
