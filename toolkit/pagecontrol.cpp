#include "toolkit/pagecontrol.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <utility>

namespace abacolo {

namespace {
constexpr int TabPadding = 9;  // text to tab edge
constexpr int Cut = 5;         // the cut of a tab's top corners
constexpr int FrameWidth = 2;  // the line under the tabs and around the page
} // namespace

PageControl::PageControl(const QString &name, QWidget *parent, int tabHeight)
    : QWidget(parent), m_tabHeight(tabHeight), m_tabFont(font())
{
    setObjectName(name);
    m_tabFont.setPixelSize(qMax(11, tabHeight - 7));
}

QWidget *PageControl::addPage(const QString &name, const QString &caption, PageFiller fill)
{
    auto *sheet = new QWidget(this);
    sheet->setObjectName(name);
    sheet->setGeometry(pageRect());
    if (fill)
        sheet->installEventFilter(this);
    m_pages.append(sheet);
    m_captions.append(caption);
    m_fillers.append(std::move(fill));
    layoutTabs();
    if (m_active < 0)
        setActivePageIndex(0);
    else
        sheet->hide();
    update();
    return sheet;
}

QWidget *PageControl::page(int index) const
{
    if (index < 0 || index >= m_pages.size())
        return nullptr;
    fill(index);
    return m_pages.at(index);
}

void PageControl::fill(int index) const
{
    const PageFiller filler = std::exchange(m_fillers[index], PageFiller());
    if (!filler)
        return;
    QWidget *sheet = m_pages.at(index);
    sheet->removeEventFilter(const_cast<PageControl *>(this));
    filler(sheet);
    // Controls made on a page already on the screen are not shown with it: show them now.
    if (sheet->isVisible()) {
        for (QWidget *control : sheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow() && !control->testAttribute(Qt::WA_WState_ExplicitShowHide))
                control->show();
        }
    }
}

bool PageControl::eventFilter(QObject *watched, QEvent *event)
{
    // A page is visible while its show event is sent, before it is painted.
    if (event->type() == QEvent::Show) {
        const int index = indexOf(qobject_cast<QWidget *>(watched));
        if (index >= 0)
            fill(index);
    }
    return QWidget::eventFilter(watched, event);
}

QString PageControl::pageCaption(int index) const
{
    return index >= 0 && index < m_captions.size() ? m_captions.at(index) : QString();
}

void PageControl::setActivePageIndex(int index)
{
    if (index < 0 || index >= m_pages.size() || index == m_active)
        return;
    if (m_active >= 0)
        m_pages.at(m_active)->hide();
    m_active = index;
    m_pages.at(index)->show();
    m_pages.at(index)->raise();
    update(0, 0, width(), m_tabHeight + FrameWidth);
    Q_EMIT pageChanged(index);
}

QRect PageControl::tabRect(int index) const
{
    return index >= 0 && index < m_tabRects.size() ? m_tabRects.at(index) : QRect();
}

QRect PageControl::pageRect() const
{
    return QRect(0, m_tabHeight + FrameWidth, width(), qMax(0, height() - m_tabHeight - FrameWidth));
}

void PageControl::setColours(const QColor &active, const QColor &inactive, const QColor &page)
{
    m_activeColour = active;
    m_inactiveColour = inactive;
    m_pageColour = page;
    update();
}

void PageControl::setTabFont(const QFont &font)
{
    m_tabFont = font;
    layoutTabs();
    update();
}

void PageControl::layoutTabs()
{
    // Each tab as wide as its caption; squeezed evenly when they do not all fit.
    const QFontMetrics metrics(m_tabFont);
    QList<int> widths;
    int total = 0;
    for (const QString &caption : std::as_const(m_captions)) {
        const int w = qMax(m_tabHeight + 8, metrics.horizontalAdvance(caption) + 2 * TabPadding);
        widths.append(w);
        total += w;
    }
    const int room = width() - 2;
    if (total > room && total > 0) {
        for (int &w : widths)
            w = qMax(m_tabHeight, w * room / total);
    }
    m_tabRects.clear();
    int left = 1;
    for (const int w : std::as_const(widths)) {
        m_tabRects.append(QRect(left, 0, w, m_tabHeight + FrameWidth));
        left += w;
    }
}

void PageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (QWidget *sheet : std::as_const(m_pages))
        sheet->setGeometry(pageRect());
    layoutTabs();
}

bool PageControl::event(QEvent *event)
{
    // A squeezed caption shows in full as the tab's tool tip.
    if (event->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent *>(event)->pos();
        for (int i = 0; i < m_tabRects.size(); ++i) {
            if (m_tabRects.at(i).contains(at)
                && QFontMetrics(m_tabFont).horizontalAdvance(m_captions.at(i))
                       > m_tabRects.at(i).width() - 4) {
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), m_captions.at(i),
                                   this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void PageControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        for (int i = 0; i < m_tabRects.size(); ++i) {
            if (m_tabRects.at(i).contains(at)) {
                setActivePageIndex(i);
                return;
            }
        }
    }
    QWidget::mousePressEvent(event);
}

void PageControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor frame = m_activeColour.darker(135);

    // The page with its frame.
    const QRect area = rect().adjusted(0, m_tabHeight, 0, 0);
    p.fillRect(area, m_pageColour);
    p.setPen(QPen(frame, FrameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(area).adjusted(1, 1, -1, -1));

    // The tabs: the active one in front, joined to its page.
    p.setFont(m_tabFont);
    auto drawTab = [&](int i) {
        const bool active = i == m_active;
        const QRectF r = QRectF(m_tabRects.at(i)).adjusted(0.5, active ? 0.5 : 2.5, -0.5, 0);
        QPainterPath tab;
        tab.moveTo(r.left(), r.bottom());
        tab.lineTo(r.left(), r.top() + Cut);
        tab.lineTo(r.left() + Cut, r.top());
        tab.lineTo(r.right() - Cut, r.top());
        tab.lineTo(r.right(), r.top() + Cut);
        tab.lineTo(r.right(), r.bottom());
        p.setPen(QPen(active ? frame : m_inactiveColour.darker(130), 1));
        p.setBrush(active ? m_activeColour : m_inactiveColour);
        p.drawPath(tab);
        QFont font = m_tabFont;
        font.setBold(active);
        p.setFont(font);
        p.setPen(active ? QColor(40, 30, 0) : QColor(27, 42, 74));
        p.drawText(r.adjusted(2, 0, -2, -FrameWidth), Qt::AlignCenter,
                   QFontMetrics(font).elidedText(m_captions.at(i), Qt::ElideRight,
                                                 int(r.width()) - 4));
    };
    for (int i = 0; i < m_tabRects.size(); ++i) {
        if (i != m_active)
            drawTab(i);
    }
    if (m_active >= 0 && m_active < m_tabRects.size())
        drawTab(m_active);
}

} // namespace abacolo
