#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QScrollArea>

class QAbstractButton;
class QVBoxLayout;

namespace abacolo {

class ImageList;

// A group bar (`GroupBar`): groups stacked one under the other, each a coloured caption strip
// over a list of items. An item is a small icon from the bar's image list and a caption, with
// an optional tool tip; clicking it emits its clicked() signal.
//
// In the Groups style a click on a caption strip opens or closes that group's list, and any
// number of groups may be open at once. In the SingleGroup style the one group is always open,
// its strip is taller and its list fills the bar. Content taller than the bar scrolls.
class GroupBar : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupBar)

public:
    enum class Style { Groups, SingleGroup };

    GroupBar(const QString &name, QWidget *parent, Style style, const ImageList *images = nullptr);
    ~GroupBar() override;

    Style style() const { return m_style; }

    // Adds a group at the end and returns its index. An invalid colour takes the next one of
    // the bar's palette. In the SingleGroup style the group is open whatever `open` says.
    int addGroup(const QString &name, const QString &caption, bool open = true,
                 const QColor &colour = QColor());
    // Adds an item to a group's list; `image` indexes the bar's image list (−1: none).
    QAbstractButton *addItem(int group, const QString &caption, int image = -1,
                             const QString &hint = QString());

    int groupCount() const { return int(m_groups.size()); }
    QString groupCaption(int group) const;
    QWidget *groupWidget(int group) const;
    // The caption strip: clicking it opens or closes the group (Groups style).
    QAbstractButton *captionStrip(int group) const;
    bool isGroupOpen(int group) const;
    void setGroupOpen(int group, bool open);

    int itemCount(int group) const;
    QAbstractButton *item(int group, int index) const;

    // Sizes: caption strip height and font, item height and font.
    void setCaptionHeight(int height);
    void setCaptionFont(const QFont &font);
    void setItemHeight(int height);
    void setItemFont(const QFont &font);
    // The background of the lists.
    void setListColour(const QColor &colour);

Q_SIGNALS:
    void groupToggled(int group, bool open);

private:
    struct Group;
    void toggle(int group);
    const Group *groupAt(int group) const;

    Style m_style;
    const ImageList *m_images;
    QWidget *m_content;
    QVBoxLayout *m_column;
    QList<Group *> m_groups;
    int m_captionHeight;
    QFont m_captionFont;
    int m_itemHeight;
    QFont m_itemFont;
    QColor m_listColour;
};

} // namespace abacolo
