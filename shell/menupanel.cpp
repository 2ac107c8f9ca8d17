#include "shell/menupanel.h"

#include "progress/growthrecord.h"
#include "shell/howuse.h"
#include "toolkit/fonts.h"
#include "toolkit/groupbar.h"
#include "toolkit/handlers.h"
#include "toolkit/imagelist.h"
#include "toolkit/panel.h"
#include "worksheets/curriculum.h"
#include "worksheets/worksheetpreview.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// The icons of the entries, by their index in `ImageList1`.
enum Icon { Star, Crayon, Pencil, Counting, Sums, Booklet, Treasure, Growth };

const QString PrintHint = u"预览/打印"_s;

struct AgeTab
{
    QString sheet;        // the tab's name
    QString caption;      // the tab's caption
    QString panel;        // the caption of the stage panel
    int panelHeight;
    QStringList stages;
    QString pages;        // the name of the inner page control
    int pagesTop;
    int pagesHeight;
    QString startPage;    // the inner page shown at start
};

// The groups of the numbered pages that start closed; the others start open.
const QStringList ClosedAtStart{u"几何形状涂色"_s, u"数字、字母涂色"_s, u"描画几何物体"_s, u"描画数字、字母"_s,
                                u"10以内加法练习"_s, u"20以内加法练习"_s, u"10以内减法练习"_s,
                                u"A类组合加法练习"_s, u"A类组合减法练习"_s, u"无余数的除法"_s};

Icon iconFor(Kind kind)
{
    switch (kind) {
    case Kind::ColourShapes:
    case Kind::ColourGlyphs:
    case Kind::ColourObjects: return Crayon;
    case Kind::TraceShapes:
    case Kind::TraceGlyphs:
    case Kind::TraceObjects:
    case Kind::HorizontalLines:
    case Kind::VerticalLines:
    case Kind::SlantedLines:
    case Kind::TraceDigits:
    case Kind::WriteDigits: return Pencil;
    case Kind::CircleCount:
    case Kind::CountPictures: return Counting;
    default: return Sums;
    }
}

// The age tabs; their numbered pages, groups and entries come from the curriculum.
QList<AgeTab> ageTabs()
{
    return {
        {u"TabSheet1"_s, u"学前准备"_s, u"学前准备"_s, 209,
         {u"阶段练习一 （物体涂色）"_s, u"阶段练习二 （描画物体）"_s, u"阶段练习三 （数一数画圈）"_s,
          u"阶段练习四 （画线）"_s, u"阶段练习五 （描数字）"_s, u"阶段练习六 （写数字）"_s},
         u"RzPageControl5"_s, 209, 385, u"2"_s},
        {u"TabSheet2"_s, u"四岁"_s, u"4周岁教学/ 练习"_s, 217,
         {u"阶段练习一 （ 数 数小动物）"_s, u"阶段练习二 （自己数一数）"_s,
          u"阶段练习三 （补填数字一）"_s, u"阶段练习四 （补填数字二）"_s,
          u"阶段练习五 （看图加法）"_s, u"阶段练习六（加法及扩展）"_s},
         u"RzPageControl4"_s, 213, 391, u"6"_s},
        {u"TabSheet3"_s, u"五岁"_s, u"5周岁教学/ 练习"_s, 217,
         {u"阶段练习一（整10加法）"_s, u"阶段练习二（连加概念）"_s, u"阶段练习三（看图减法）"_s,
          u"阶段练习四（减法扩展）"_s, u"阶段练习五（整10减法）"_s, u"阶段练习六（连减概念）"_s},
         u"RzPageControl3"_s, 213, 500, u"1"_s},
        {u"TabSheet4"_s, u"六岁"_s, u"6周岁教学/ 练习"_s, 241,
         {u"阶段练习一（混合加减）"_s, u"阶段练习二（组合加法）"_s, u"阶段练习三（组合减法）"_s,
          u"阶段练习四（9以内乘法）"_s, u"阶段练习五（除法）"_s, u"阶段练习六（竖式综合）"_s,
          u"分数初步（数学方法运用）"_s},
         u"RzPageControl2"_s, 240, 474, u"1"_s},
    };
}

// The entries' icons, drawn small and bright.
QPixmap drawIcon(Icon icon)
{
    constexpr int S = 16;
    QPixmap pixmap(S * 2, S * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(60, 60, 60, 160), 0.8);
    switch (icon) {
    case Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2 == 0) ? 7.5 : 3.4;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(8 + r * std::cos(a), 8.4 + r * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(0xe6, 0x8a, 0x00), 1));
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawPath(star);
        break;
    }
    case Crayon: {
        p.translate(8, 8);
        p.rotate(-45);
        p.setPen(outline);
        p.setBrush(QColor(0xe5, 0x39, 0x35));
        p.drawRoundedRect(QRectF(-6.5, -2.6, 10, 5.2), 1, 1);
        QPainterPath tip;
        tip.moveTo(3.5, -2.6);
        tip.lineTo(7.5, 0);
        tip.lineTo(3.5, 2.6);
        tip.closeSubpath();
        p.setBrush(QColor(0xff, 0x8a, 0x80));
        p.drawPath(tip);
        p.fillRect(QRectF(-3, -2.6, 1.6, 5.2), QColor(255, 255, 255, 170));
        break;
    }
    case Pencil: {
        p.translate(8, 8);
        p.rotate(-45);
        p.setPen(outline);
        p.setBrush(QColor(0xff, 0xc1, 0x07));
        p.drawRect(QRectF(-6.5, -2.3, 9.5, 4.6));
        QPainterPath tip;
        tip.moveTo(3, -2.3);
        tip.lineTo(7.5, 0);
        tip.lineTo(3, 2.3);
        tip.closeSubpath();
        p.setBrush(QColor(0xf3, 0xd9, 0xb1));
        p.drawPath(tip);
        p.setBrush(QColor(0xf4, 0x8f, 0xb1));
        p.drawRect(QRectF(-8, -2.3, 1.6, 4.6));
        break;
    }
    case Counting: {
        const QList<QColor> colours{QColor(0x42, 0xa5, 0xf5), QColor(0x66, 0xbb, 0x6a),
                                    QColor(0xff, 0x70, 0x43), QColor(0xab, 0x47, 0xbc)};
        const QList<QPointF> at{{4.5, 4.5}, {11.5, 4.5}, {4.5, 11.5}, {11.5, 11.5}};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours.at(i));
            p.drawEllipse(at.at(i), 3.2, 3.2);
        }
        break;
    }
    case Sums: {
        p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
        p.setPen(QPen(QColor(0x43, 0xa0, 0x47), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 6), QPointF(8, 6));
        p.drawLine(QPointF(6, 4), QPointF(6, 8));
        p.setPen(QPen(QColor(0xe5, 0x39, 0x35), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 11), QPointF(12.5, 11));
        break;
    }
    case Booklet: {
        p.setPen(QPen(QColor(0x15, 0x65, 0xc0), 1));
        p.setBrush(QColor(0x64, 0xb5, 0xf6));
        p.drawRoundedRect(QRectF(2, 1.5, 12, 13), 2, 2);
        QFont font = uiFont(11, true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 1, 12, 14), Qt::AlignCenter, u"?"_s);
        break;
    }
    case Treasure: {
        p.setPen(QPen(QColor(0x8d, 0x6e, 0x63), 1));
        p.setBrush(QColor(0xa1, 0x88, 0x7f));
        p.drawRoundedRect(QRectF(1.5, 5, 13, 9.5), 1.5, 1.5);
        p.setBrush(QColor(0xbc, 0xaa, 0xa4));
        p.drawChord(QRectF(1.5, 1.5, 13, 8), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawRect(QRectF(6.5, 4.5, 3, 4));
        break;
    }
    case Growth: {
        // Three rising bars.
        const QList<QColor> colours{QColor(0x66, 0xbb, 0x6a), QColor(0x42, 0xa5, 0xf5), QColor(0xff, 0x70, 0x43)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            const qreal height = 5 + 4 * i;
            p.setBrush(colours.at(i));
            p.drawRoundedRect(QRectF(1.5 + 4.8 * i, 15 - height, 3.6, height), 0.8, 0.8);
        }
        break;
    }
    }
    return pixmap;
}

// A panel holding one group bar that fills it. The panel's caption is covered by its bar,
// as in the layout; it names the panel for assistive tools.
GroupBar *barInPanel(QWidget *parent, const QString &caption, QRect geometry, GroupBar::Style style,
                     const ImageList *icons)
{
    auto *panel = new Panel(QString(), parent, QColor(0xf5, 0xfa, 0xff));
    panel->setAccessibleName(caption);
    panel->setGeometry(geometry);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new GroupBar(QString(), panel, style, icons);
    layout->addWidget(bar);
    return bar;
}

} // namespace

MenuPanel::MenuPanel(QWidget *parent)
    : PageControl(u"RzPageControl1"_s, parent, 20)
    , ImageList1(new ImageList(u"ImageList1"_s, QSize(16, 16), this))
{
    for (Icon icon : {Star, Crayon, Pencil, Counting, Sums, Booklet, Treasure, Growth})
        ImageList1->add(drawIcon(icon));
    setTabFont(uiFont(13, true));
    setColours(QColor(0xff, 0xca, 0x28), QColor(0xbb, 0xde, 0xfb), QColor(0xf5, 0xfa, 0xff));
    resize(270, 615);

    const QList<AgeTab> tabs = ageTabs();
    QList<PageControl *> inner;
    QList<QWidget *> sheets;
    for (const AgeTab &tab : tabs) {
        QWidget *sheet = addPage(tab.sheet, tab.caption);
        sheets.append(sheet);
        const int pageHeight = pageRect().height();

        // The stages: one group, always open.
        GroupBar *stages = barInPanel(sheet, tab.panel, QRect(0, 0, width(), tab.panelHeight),
                                      GroupBar::Style::SingleGroup, ImageList1);
        const int stageGroup = stages->addGroup(QString(), u"教学项目选择"_s);
        for (const QString &stage : tab.stages)
            stages->addItem(stageGroup, stage, Star);

        // The numbered pages, as high as the layout gives them where the tab has the room;
        // their bars scroll what is longer.
        auto *pages = new PageControl(tab.pages, sheet, 20);
        pages->setTabFont(uiFont(13, true));
        pages->setColours(QColor(0x81, 0xd4, 0xfa), QColor(0xe1, 0xf5, 0xfe), QColor(0xf5, 0xfa, 0xff));
        pages->setGeometry(0, tab.pagesTop, width(), qMin(tab.pagesHeight, pageHeight - tab.pagesTop));
        // The entries of this tab, in order, page by page. A page's bar is made when the page
        // is first shown: a tab left closed costs only its tabs.
        QList<QList<const CurriculumEntry *>> entriesByPage;
        for (const CurriculumEntry &entry : curriculum()) {
            if (entry.tab != tab.caption)
                continue;
            if (entriesByPage.isEmpty() || entriesByPage.last().constFirst()->page != entry.page)
                entriesByPage.append(QList<const CurriculumEntry *>());
            entriesByPage.last().append(&entry);
        }
        for (const QList<const CurriculumEntry *> &entries : std::as_const(entriesByPage)) {
            const QString caption = entries.constFirst()->page;
            QWidget *pageSheet = pages->addPage(QString(), caption, [this, entries](QWidget *page) {
                fillEntryPage(page, entries);
            });
            if (caption == tab.startPage)
                pages->setActivePage(pageSheet);
        }

        // A stage brings its numbered page to the front, where it has one.
        for (int stage = 0; stage < stages->itemCount(stageGroup); ++stage) {
            const QString number = QString::number(stage + 1);
            for (int page = 0; page < pages->pageCount(); ++page) {
                if (pages->pageCaption(page) != number)
                    continue;
                QAbstractButton *item = stages->item(stageGroup, stage);
                item->setCursor(Qt::PointingHandCursor);
                onEvent(item, &QAbstractButton::clicked, this, [pages, page](auto &&...) { pages->setActivePageIndex(page); });
            }
        }
        inner.append(pages);
    }
    TabSheet1 = sheets.at(0);
    TabSheet2 = sheets.at(1);
    TabSheet3 = sheets.at(2);
    TabSheet4 = sheets.at(3);
    RzPageControl5 = inner.at(0);
    RzPageControl4 = inner.at(1);
    RzPageControl3 = inner.at(2);
    RzPageControl2 = inner.at(3);

    // The help tab: "关于软件", always open.
    TabSheet13 = addPage(u"TabSheet13"_s, u"帮助"_s);
    helpBar = barInPanel(TabSheet13, u"软件使用说明"_s,
                         QRect(0, 0, width(), qMin(713, pageRect().height())),
                         GroupBar::Style::SingleGroup, ImageList1);
    const int about = helpBar->addGroup(u"RzGroup22"_s, u"关于软件"_s);
    QAbstractButton *howTo = helpBar->addItem(about, u"如何使用"_s, Booklet);
    helpBar->addItem(about, u"知识宝库"_s, Treasure);
    QAbstractButton *growth = helpBar->addItem(about, u"成长记录"_s, Growth);
    howTo->setCursor(Qt::PointingHandCursor);
    onEvent(howTo, &QAbstractButton::clicked, this, [this](auto &&...) { RzGroup22Items0Click(); });
    growth->setCursor(Qt::PointingHandCursor);
    onEvent(growth, &QAbstractButton::clicked, this, [this](auto &&...) { RzGroup22Items2Click(); });

    setActivePage(TabSheet13);
}

void MenuPanel::fillEntryPage(QWidget *page, const QList<const CurriculumEntry *> &entries)
{
    // A new group where the group's caption changes.
    GroupBar *bar = barInPanel(page, u"打印输出练习项目"_s, page->rect(), GroupBar::Style::Groups,
                               ImageList1);
    int group = -1;
    QString groupCaption;
    for (const CurriculumEntry *entry : entries) {
        if (group < 0 || entry->group != groupCaption) {
            groupCaption = entry->group;
            group = bar->addGroup(QString(), groupCaption, !ClosedAtStart.contains(groupCaption));
        }
        QAbstractButton *item = bar->addItem(group, entry->caption, iconFor(entry->recipe.kind), PrintHint);
        item->setCursor(Qt::PointingHandCursor);
        onEvent(item, &QAbstractButton::clicked, this, [this, entry](auto &&...) { WorksheetEntryClick(*entry); });
    }
}

void MenuPanel::WorksheetEntryClick(const CurriculumEntry &entry)
{
    // Window-modal over the main window; it frees itself when closed.
    auto *preview = new WorksheetPreview(entry, newSetSeed(), window());
    preview->open();
}

void MenuPanel::RzGroup22Items0Click()
{
    // Modeless; an open window comes to the front.
    if (Form6)
        Form6->Show();
}

void MenuPanel::RzGroup22Items2Click()
{
    // Modeless; an open window comes to the front.
    if (GrowthRecordForm)
        GrowthRecordForm->Show();
}

} // namespace abacolo
