#include "training/picturegroups.h"

#include "services/random.h"
#include "services/services.h"
#include "toolkit/fonts.h"
#include "toolkit/imagebutton.h"
#include "toolkit/panel.h"
#include "toolkit/picturefile.h"

#include <QPushButton>
#include <algorithm>

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
    picture->setPicture(readPicture(u":/layout/start.bmp"_s));
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

void drawFirstGroup(Services &services, const PicturePlaces &places, int &count, int &pictureSet)
{
    showFirstPlaces(places, 0);
    services.random.seed(services.clock.secondsNow());
    count = services.random.below(10);
    pictureSet = services.random.below(6);
    showFirstPlaces(places, count);
}

void drawSecondGroup(Services &services, const PicturePlaces &places, int firstCount, int &count)
{
    showFirstPlaces(places, 0);
    services.random.seed(services.clock.secondsNow());
    count = services.random.below(11 - std::max(firstCount, 0));
    showFirstPlaces(places, count);
}

} // namespace abacolo
