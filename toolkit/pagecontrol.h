#pragma once

#include <QColor>
#include <QList>
#include <QWidget>
#include <functional>

namespace abacolo {

// A page control with tabs (`PageControl`): a strip of tabs with cut corners over one page
// area; a click on a tab shows its page. The pages (`TabSheet`s) are plain widgets that fill
// the area below the tabs, and their controls are placed in page coordinates.
//
// A page may be given a filler that makes its controls: it runs once, when the page is first
// shown or first asked for by page(), so a page nobody opens costs only its tab.
class PageControl : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageControl)

public:
    PageControl(const QString &name, QWidget *parent, int tabHeight = 20);

    using PageFiller = std::function<void(QWidget *page)>;

    // Adds a page at the end; the first page added becomes the active one.
    QWidget *addPage(const QString &name, const QString &caption, PageFiller fill = {});

    int pageCount() const { return int(m_pages.size()); }
    // The page with its controls made.
    QWidget *page(int index) const;
    QString pageCaption(int index) const;
    int indexOf(const QWidget *page) const { return int(m_pages.indexOf(page)); }

    int activePageIndex() const { return m_active; }
    QWidget *activePage() const { return page(m_active); }
    // An index outside the pages changes nothing.
    void setActivePageIndex(int index);
    void setActivePage(QWidget *page) { setActivePageIndex(indexOf(page)); }

    int tabHeight() const { return m_tabHeight; }
    // Where tab `index` stands, in this control's coordinates.
    QRect tabRect(int index) const;
    // The page area below the tabs.
    QRect pageRect() const;

    // The look: the colour of the active tab and the page's frame, and of the other tabs.
    void setColours(const QColor &active, const QColor &inactive, const QColor &page);
    void setTabFont(const QFont &font);

Q_SIGNALS:
    void pageChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutTabs();
    void fill(int index) const;

    int m_tabHeight;
    int m_active = -1;
    QList<QWidget *> m_pages;
    QStringList m_captions;
    mutable QList<PageFiller> m_fillers; // emptied as each page is filled
    QList<QRect> m_tabRects;
    QColor m_activeColour{255, 202, 40};
    QColor m_inactiveColour{187, 222, 251};
    QColor m_pageColour{255, 255, 255};
    QFont m_tabFont;
};

} // namespace abacolo
