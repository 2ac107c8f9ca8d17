#include "training/picturegroups.h"

#include "toolkit/fonts.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace abacolo {

QString animationFrame(int pictureSet, int frame)
{
    // Turtles, rabbits, fish, puppies, butterflies, elephants.
    static const std::array<QString, 6> kinds{u"t"_s, u"k"_s, u"x"_s, u"f"_s, u"ff"_s, u"h"_s};
    return kinds.at(size_t(pictureSet)) + QString::number(frame);
}

void showFirstPlaces(const PicturePlaces &places, int count)
{
    for (int place = 0; place < 10; ++place)
        places.at(size_t(place))->setVisible(place < count);
}

ImageButton *makeCountedPicture(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *picture = new ImageButton(name, parent);
    picture->setGeometry(geometry);
    picture->setFont(songFont(53));
    picture->setCaptionColor(Qt::red);
    picture->setPicture(QPixmap(u":/layout/start.bmp"_s));
    return picture;
}

Panel *makeGroupPanel(const QString &name, QWidget *parent, const QPoint &topLeft)
{
    auto *panel = new Panel(name, parent, Qt::black, Panel::Border::Single);
    panel->setGeometry(QRect(topLeft, QSize(225, 398)));
    return panel;
}

PicturePlaces makePicturePlaces(Panel *panel, int highest, const std::array<QPoint, 10> &at)
{
    PicturePlaces places{};
    for (int place = 1; place <= 10; ++place) {
        const QString name = u"suiImageButton"_s + QString::number(highest + 1 - place);
        places.at(size_t(place - 1)) =
            makeCountedPicture(name, panel, QRect(at.at(size_t(place - 1)), QSize(70, 60)));
    }
    return places;
}

QPushButton *makeTrigger(const QString &name, const QString &caption, QWidget *parent,
                         const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->hide();
    return button;
}

} // namespace abacolo
