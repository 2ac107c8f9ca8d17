#include "toolkit/groupbar.h"

#include "toolkit/imagelist.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace abacolo {

namespace {

// Cheerful strip colours, taken in turn by groups that bring none.
const QList<QColor> &stripColours()
{
    static const QList<QColor> colours{
        QColor(0xf5, 0x7c, 0x00), // orange
        QColor(0x43, 0xa0, 0x47), // green
        QColor(0x8e, 0x44, 0xad), // purple
        QColor(0xe9, 0x1e, 0x63), // pink
        QColor(0x00, 0x89, 0x7b), // teal
        QColor(0x1e, 0x88, 0xe5), // blue
    };
    return colours;
}

// A group's caption strip: bold white caption on the group's colour; in the Groups style a
// round badge on the right tells whether the group is open.
class CaptionStrip : public QAbstractButton
{
public:
    CaptionStrip(const QString &caption, const QColor &colour, bool foldable, QWidget *parent)
        : QAbstractButton(parent), m_colour(colour), m_foldable(foldable)
    {
        setText(caption);
        setFocusPolicy(Qt::NoFocus);
        if (foldable)
            setCursor(Qt::PointingHandCursor);
    }

    void setOpen(bool open)
    {
        m_open = open;
        update();
    }

protected:
    void enterEvent(QEnterEvent *event) override
    {
        QAbstractButton::enterEvent(event);
        m_hovered = true;
        update();
    }
    void leaveEvent(QEvent *event) override
    {
        QAbstractButton::leaveEvent(event);
        m_hovered = false;
        update();
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor base = (m_foldable && m_hovered) ? m_colour.lighter(112) : m_colour;
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        shade.setColorAt(0, base.lighter(125));
        shade.setColorAt(1, base);
        QPainterPath strip;
        strip.addRoundedRect(r, 6, 6);
        p.fillPath(strip, shade);
        p.setPen(QPen(base.darker(125), 1));
        p.drawPath(strip);

        int right = width() - 8;
        if (m_foldable) {
            // The badge: a white circle with a chevron down (closed) or up (open).
            const qreal d = qMin(20.0, height() - 8.0);
            const QRectF badge(width() - 8 - d, (height() - d) / 2, d, d);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(badge);
            const QPointF c = badge.center();
            const qreal s = d / 4.5;
            const qreal dir = m_open ? -1 : 1;
            QPainterPath chevron;
            chevron.moveTo(c.x() - s, c.y() - dir * s / 2);
            chevron.lineTo(c.x(), c.y() + dir * s / 2);
            chevron.lineTo(c.x() + s, c.y() - dir * s / 2);
            p.setPen(QPen(base.darker(115), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(chevron);
            right = int(badge.left()) - 4;
        }
        p.setFont(font());
        const QRect textArea(10, 0, right - 10, height());
        p.setPen(QColor(0, 0, 0, 70)); // a soft shadow keeps white words readable
        p.drawText(textArea.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, text());
        p.setPen(Qt::white);
        p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));
    }

private:
    QColor m_colour;
    bool m_foldable;
    bool m_open = true;
    bool m_hovered = false;
};

// An entry of a group's list: its icon and caption; lit up under the mouse.
class ItemButton : public QAbstractButton
{
public:
    ItemButton(const QString &caption, const QPixmap &icon, const QColor &accent, QWidget *parent)
        : QAbstractButton(parent), m_icon(icon), m_accent(accent)
    {
        setText(caption);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void enterEvent(QEnterEvent *event) override
    {
        QAbstractButton::enterEvent(event);
        m_hovered = true;
        update();
    }
    void leaveEvent(QEvent *event) override
    {
        QAbstractButton::leaveEvent(event);
        m_hovered = false;
        update();
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (m_hovered || isDown()) {
            QColor glow = m_accent;
            glow.setAlpha(isDown() ? 90 : 45);
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawRoundedRect(QRectF(rect()).adjusted(3, 1, -3, -1), 5, 5);
        }
        int left = 10;
        if (!m_icon.isNull()) {
            const QSize size = m_icon.deviceIndependentSize().toSize();
            p.drawPixmap(left, (height() - size.height()) / 2, m_icon);
            left += size.width() + 6;
        }
        p.setFont(font());
        p.setPen(QColor(0x1b, 0x2a, 0x4a));
        const QRect textArea(left, 0, width() - left - 4, height());
        p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));
    }

private:
    QPixmap m_icon;
    QColor m_accent;
    bool m_hovered = false;
};

} // namespace

struct GroupBar::Group
{
    QString caption;
    QColor colour;
    bool open = true;
    QWidget *box = nullptr;
    CaptionStrip *strip = nullptr;
    QWidget *list = nullptr;
    QVBoxLayout *listLayout = nullptr;
    QList<QAbstractButton *> items;
};

GroupBar::GroupBar(const QString &name, QWidget *parent, Style style, const ImageList *images)
    : QScrollArea(parent)
    , m_style(style)
    , m_images(images)
    , m_content(new QWidget)
    , m_column(new QVBoxLayout(m_content))
    , m_captionHeight(style == Style::SingleGroup ? 40 : 30)
    , m_itemHeight(style == Style::SingleGroup ? 26 : 24)
    , m_listColour(style == Style::SingleGroup ? QColor(0xc8, 0xea, 0xff) : QColor(0xf5, 0xfa, 0xff))
{
    setObjectName(name);
    m_captionFont = font();
    m_captionFont.setPixelSize(16);
    m_captionFont.setBold(true);
    m_itemFont = font();
    m_itemFont.setPixelSize(13);

    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_column->setContentsMargins(style == Style::SingleGroup ? 0 : 3, style == Style::SingleGroup ? 0 : 3,
                                 style == Style::SingleGroup ? 0 : 3, 3);
    m_column->setSpacing(style == Style::SingleGroup ? 0 : 4);
    m_column->addStretch(1);
    setWidget(m_content);
    setListColour(m_listColour);
}

GroupBar::~GroupBar()
{
    qDeleteAll(m_groups);
}

int GroupBar::addGroup(const QString &name, const QString &caption, bool open, const QColor &colour)
{
    auto *group = new Group;
    group->caption = caption;
    group->colour = colour.isValid()
        ? colour
        : (m_style == Style::SingleGroup ? QColor(0x15, 0x65, 0xc0)
                                         : stripColours().at(m_groups.size() % stripColours().size()));
    group->open = m_style == Style::SingleGroup || open;

    group->box = new QWidget(m_content);
    group->box->setObjectName(name);
    auto *boxLayout = new QVBoxLayout(group->box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(0);

    const bool foldable = m_style == Style::Groups;
    group->strip = new CaptionStrip(caption, group->colour, foldable, group->box);
    group->strip->setFont(m_captionFont);
    group->strip->setFixedHeight(m_captionHeight);
    group->strip->setOpen(group->open);
    boxLayout->addWidget(group->strip);

    group->list = new QWidget(group->box);
    group->listLayout = new QVBoxLayout(group->list);
    group->listLayout->setContentsMargins(2, 4, 2, 4);
    group->listLayout->setSpacing(0);
    boxLayout->addWidget(group->list);
    group->list->setVisible(group->open);
    if (m_style == Style::Groups) {
        // A pale tint of the strip's colour ties the list to its caption.
        const QColor c = group->colour;
        QPalette tint = group->list->palette();
        tint.setColor(QPalette::Window, QColor(255 - (255 - c.red()) / 9, 255 - (255 - c.green()) / 9,
                                               255 - (255 - c.blue()) / 9));
        group->list->setPalette(tint);
        group->list->setAutoFillBackground(true);
    }

    const int index = int(m_groups.size());
    m_groups.append(group);
    // Before the stretch that keeps the groups at the top.
    m_column->insertWidget(m_column->count() - 1, group->box);
    if (foldable)
        connect(group->strip, &QAbstractButton::clicked, this, [this, index] { toggle(index); });
    return index;
}

QAbstractButton *GroupBar::addItem(int group, const QString &caption, int image, const QString &hint)
{
    if (group < 0 || group >= m_groups.size())
        return nullptr;
    Group *g = m_groups.at(group);
    const QPixmap icon = m_images ? m_images->image(image) : QPixmap();
    auto *item = new ItemButton(caption, icon, g->colour, g->list);
    item->setFont(m_itemFont);
    item->setFixedHeight(m_itemHeight);
    item->setToolTip(hint);
    g->listLayout->addWidget(item);
    g->items.append(item);
    return item;
}

const GroupBar::Group *GroupBar::groupAt(int group) const
{
    return group >= 0 && group < m_groups.size() ? m_groups.at(group) : nullptr;
}

QString GroupBar::groupCaption(int group) const
{
    const Group *g = groupAt(group);
    return g ? g->caption : QString();
}

QWidget *GroupBar::groupWidget(int group) const
{
    const Group *g = groupAt(group);
    return g ? g->box : nullptr;
}

QAbstractButton *GroupBar::captionStrip(int group) const
{
    const Group *g = groupAt(group);
    return g ? g->strip : nullptr;
}

bool GroupBar::isGroupOpen(int group) const
{
    const Group *g = groupAt(group);
    return g && g->open;
}

void GroupBar::setGroupOpen(int group, bool open)
{
    if (group < 0 || group >= m_groups.size() || m_style == Style::SingleGroup)
        return;
    Group *g = m_groups.at(group);
    if (g->open == open)
        return;
    g->open = open;
    g->list->setVisible(open);
    g->strip->setOpen(open);
    Q_EMIT groupToggled(group, open);
}

void GroupBar::toggle(int group)
{
    setGroupOpen(group, !isGroupOpen(group));
}

int GroupBar::itemCount(int group) const
{
    const Group *g = groupAt(group);
    return g ? int(g->items.size()) : 0;
}

QAbstractButton *GroupBar::item(int group, int index) const
{
    const Group *g = groupAt(group);
    return g && index >= 0 && index < g->items.size() ? g->items.at(index) : nullptr;
}

void GroupBar::setCaptionHeight(int height)
{
    m_captionHeight = height;
    for (Group *g : std::as_const(m_groups))
        g->strip->setFixedHeight(height);
}

void GroupBar::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    for (Group *g : std::as_const(m_groups))
        g->strip->setFont(font);
}

void GroupBar::setItemHeight(int height)
{
    m_itemHeight = height;
    for (Group *g : std::as_const(m_groups)) {
        for (QAbstractButton *item : std::as_const(g->items))
            item->setFixedHeight(height);
    }
}

void GroupBar::setItemFont(const QFont &font)
{
    m_itemFont = font;
    for (Group *g : std::as_const(m_groups)) {
        for (QAbstractButton *item : std::as_const(g->items))
            item->setFont(font);
    }
}

void GroupBar::setListColour(const QColor &colour)
{
    m_listColour = colour;
    m_content->setAutoFillBackground(true);
    QPalette pal = m_content->palette();
    pal.setColor(QPalette::Window, colour);
    m_content->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->setPalette(pal);
}

} // namespace abacolo
