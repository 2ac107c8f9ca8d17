#pragma once

#include "toolkit/pagecontrol.h"

namespace abacolo {

struct CurriculumEntry;
class GroupBar;
class ImageList;

// The age tabs on the left of the main window (`RzPageControl1`): one tab per age with that
// age's stages and numbered pages of exercise entries in group bars, and the help tab, active
// at start, whose entry "如何使用" opens the how-to-use window and "成长记录" the parent's progress
// window. An exercise entry opens the print preview of a fresh worksheet; a stage brings its
// numbered page to the front.
class MenuPanel : public PageControl
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuPanel)

public:
    explicit MenuPanel(QWidget *parent);

    // The tabs, left to right.
    QWidget *TabSheet1;  // "学前准备"
    QWidget *TabSheet2;  // "四岁"
    QWidget *TabSheet3;  // "五岁"
    QWidget *TabSheet4;  // "六岁"
    QWidget *TabSheet13; // "帮助"

    // The numbered pages of the age tabs.
    PageControl *RzPageControl5; // 学前准备
    PageControl *RzPageControl4; // 四岁
    PageControl *RzPageControl3; // 五岁
    PageControl *RzPageControl2; // 六岁

    // The help tab's group bar; its one group "关于软件" is `RzGroup22`.
    GroupBar *helpBar;

    // The small icons shown before the entries.
    ImageList *ImageList1;

    // Event handlers: an exercise entry of an age tab; the entries "如何使用" and "成长记录".
    void WorksheetEntryClick(const CurriculumEntry &entry);
    void RzGroup22Items0Click();
    void RzGroup22Items2Click();

private:
    void fillEntryPage(QWidget *page, const QList<const CurriculumEntry *> &entries);
};

} // namespace abacolo
