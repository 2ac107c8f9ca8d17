#pragma once

#include <QString>
#include <array>

class QPoint;
class QPushButton;
class QRect;
class QWidget;

namespace abacolo {

class ImageButton;
class Panel;
struct Services;

// The ten picture places of one group column in the addition and subtraction trainings, in
// the order a group fills them: the left column from top to bottom, then the right column.
using PicturePlaces = std::array<ImageButton *, 10>;

// The animation frame (1 or 2) of a picture set (0 … 5): "t1", "k2", … "h2".
QString animationFrame(int pictureSet, int frame);

// Shows the first `count` places and hides the others.
void showFirstPlaces(const PicturePlaces &places, int count);

// A new first group, drawn from the clock's second: how many pictures it shows (0 … 9) and
// which picture set (0 … 5) the animation gives them.
void drawFirstGroup(Services &services, const PicturePlaces &places, int &count, int &pictureSet);
// A new second group, drawn from the clock's second: as many pictures as keep both groups
// within 10.
void drawSecondGroup(Services &services, const PicturePlaces &places, int firstCount, int &count);

// A picture to count: the start picture until the animation's first frame, with its number
// drawn over it in red when the answer is shown.
ImageButton *makeCountedPicture(const QString &name, QWidget *parent, const QRect &geometry);

// The black, framed panel of a group column.
Panel *makeGroupPanel(const QString &name, QWidget *parent, const QPoint &topLeft);

// Fills a group column with its ten pictures: place p stands at `at`[p - 1] and is picture
// "suiImageButton<highest + 1 - p>".
PicturePlaces makePicturePlaces(Panel *panel, int highest, const std::array<QPoint, 10> &at);

// A hidden button that the window clicks as an internal operation; the user never sees it.
QPushButton *makeTrigger(const QString &name, const QString &caption, QWidget *parent,
                         const QRect &geometry);

} // namespace abacolo
