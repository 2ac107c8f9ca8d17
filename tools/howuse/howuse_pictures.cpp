// Draws the pictures of the how-to-use window into assets/layout/howuse_<picture>.png:
// screenshots of the program's own activity windows (the whole window set is started with
// seed tables and fake services, each activity is opened through its topic button and
// grabbed), and clear illustrations of the printed exercises the booklet describes.
//
//   howuse_pictures <assets/layout folder>
//
// Run by tools/howuse/make_pictures.sh; the pictures are committed, so a build needs no run.
#include "shell/mainform.h"
#include "tests/support/testworld.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/imagebutton.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

QString outputFolder;
int failures = 0;

void save(const QString &picture, const QImage &image)
{
    const QString path = outputFolder + u"/howuse_"_s + picture + u".png"_s;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

// A window's screenshot fitted into `size` on a soft card, its aspect kept.
QImage fitted(const QPixmap &shot, QSize size)
{
    QImage card(size, QImage::Format_RGB32);
    card.fill(QColor(0xee, 0xf6, 0xfb));
    QPainter p(&card);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize inner = shot.size().scaled(size - QSize(6, 6), Qt::KeepAspectRatio);
    QRect target(QPoint(), inner);
    target.moveCenter(card.rect().center());
    p.drawPixmap(target, shot);
    p.setPen(QPen(QColor(0x90, 0xa4, 0xae), 1));
    p.drawRect(card.rect().adjusted(0, 0, -1, -1));
    return card;
}

// ---- Illustrations of the printed exercises -------------------------------------------

const QColor Ink(0x37, 0x47, 0x4f);
const QColor Guide(0xb0, 0xbe, 0xc5);
const QList<QColor> Crayons{QColor(0xef, 0x53, 0x50), QColor(0xff, 0xca, 0x28), QColor(0x66, 0xbb, 0x6a),
                            QColor(0x42, 0xa5, 0xf5), QColor(0xab, 0x47, 0xbc), QColor(0xff, 0x8a, 0x65)};

// A sheet of paper with its heading and the name line; `draw` fills the area below.
QImage worksheet(QSize size, const QString &heading, const std::function<void(QPainter &, QRectF)> &draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xe3, 0xee, 0xf5));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF paper = QRectF(image.rect()).adjusted(5, 5, -5, -5);
    p.setPen(QPen(QColor(0x90, 0xa4, 0xae), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(paper, 4, 4);
    p.setFont(uiFont(13, true));
    p.setPen(Ink);
    p.drawText(QRectF(paper.left(), paper.top() + 6, paper.width(), 18), Qt::AlignCenter, heading);
    p.setFont(uiFont(9));
    p.setPen(QColor(0x78, 0x90, 0x9c));
    p.drawText(QRectF(paper.left() + 8, paper.top() + 26, paper.width() - 16, 12), Qt::AlignLeft,
               u"姓名：______   日期：______"_s);
    draw(p, paper.adjusted(8, 44, -8, -8));
    return image;
}

void outlineShape(QPainter &p, int kind, QRectF box, const QColor &fill)
{
    QPainterPath path;
    const QPointF c = box.center();
    const qreal r = qMin(box.width(), box.height()) / 2;
    switch (kind % 5) {
    case 0:
        path.addEllipse(c, r, r);
        break;
    case 1:
        path.moveTo(c.x(), c.y() - r);
        path.lineTo(c.x() + r, c.y() + r * 0.8);
        path.lineTo(c.x() - r, c.y() + r * 0.8);
        path.closeSubpath();
        break;
    case 2:
        path.addRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
        break;
    case 3:
        for (int i = 0; i < 10; ++i) {
            const qreal rr = i % 2 ? r * 0.45 : r;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            i ? path.lineTo(pt) : path.moveTo(pt);
        }
        path.closeSubpath();
        break;
    default:
        path.moveTo(c.x(), c.y() + r * 0.9);
        path.cubicTo(c.x() - r * 1.4, c.y() - r * 0.2, c.x() - r * 0.5, c.y() - r * 1.2, c.x(), c.y() - r * 0.4);
        path.cubicTo(c.x() + r * 0.5, c.y() - r * 1.2, c.x() + r * 1.4, c.y() - r * 0.2, c.x(), c.y() + r * 0.9);
        break;
    }
    p.setBrush(fill.isValid() ? fill : QColor(Qt::white));
    p.setPen(QPen(Ink, 2));
    p.drawPath(path);
}

void drawWorksheets()
{
    // Step 1: colour the shapes by the crayon dot beside each.
    save(u"image1"_s, worksheet({233, 313}, u"看图涂颜色"_s, [](QPainter &p, QRectF area) {
        const int cols = 2;
        const int rows = 4;
        const qreal w = area.width() / cols;
        const qreal h = area.height() / rows;
        for (int i = 0; i < cols * rows; ++i) {
            const QRectF cell(area.left() + (i % cols) * w, area.top() + (i / cols) * h, w, h);
            const QColor colour = Crayons.at(i % Crayons.size());
            outlineShape(p, i, cell.adjusted(14, 8, -26, -8), i < 5 ? colour : QColor());
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPointF(cell.right() - 12, cell.center().y()), 6, 6);
        }
    }));
    // Step 2: digits and letters to colour.
    save(u"image2"_s, worksheet({201, 249}, u"数字、字母涂色"_s, [](QPainter &p, QRectF area) {
        const QStringList signs{u"1"_s, u"2"_s, u"3"_s, u"A"_s, u"B"_s, u"C"_s};
        QFont font = uiFont(54, true);
        for (int i = 0; i < signs.size(); ++i) {
            const QRectF cell(area.left() + (i % 3) * area.width() / 3,
                              area.top() + (i / 3) * area.height() / 2, area.width() / 3, area.height() / 2);
            QPainterPath path;
            path.addText(0, 0, font, signs.at(i));
            const QRectF bounds = path.boundingRect();
            path.translate(cell.center() - bounds.center());
            p.setPen(QPen(Ink, 1.6));
            p.setBrush(i % 2 == 0 ? Crayons.at(i % Crayons.size()) : QColor(Qt::white));
            p.drawPath(path);
        }
    }));
    // Step 2: letters to trace with a pencil.
    save(u"image3"_s, worksheet({201, 249}, u"描线练习"_s, [](QPainter &p, QRectF area) {
        const QStringList rows{u"A a"_s, u"B b"_s, u"C c"_s, u"D d"_s};
        const qreal h = area.height() / rows.size();
        for (int r = 0; r < rows.size(); ++r) {
            const qreal base = area.top() + (r + 1) * h - 8;
            p.setPen(QPen(Guide, 1, Qt::DashLine));
            p.drawLine(QPointF(area.left(), base), QPointF(area.right(), base));
            p.drawLine(QPointF(area.left(), base - h + 16), QPointF(area.right(), base - h + 16));
            for (int k = 0; k < 3; ++k) {
                QPainterPath letter;
                letter.addText(area.left() + 4 + k * area.width() / 3, base - 2, uiFont(int(h) - 18), rows.at(r));
                p.setBrush(Qt::NoBrush);
                p.setPen(k == 0 ? QPen(Ink, 1.6) : QPen(Guide, 1.4, Qt::DotLine));
                p.drawPath(letter);
            }
        }
    }));
    // Step 2: a scene to colour freely.
    save(u"image5"_s, worksheet({201, 249}, u"高级图色练习"_s, [](QPainter &p, QRectF area) {
        p.setPen(QPen(Ink, 2));
        p.setBrush(QColor(0xff, 0xee, 0x58));
        p.drawEllipse(QPointF(area.right() - 26, area.top() + 26), 18, 18);
        const QRectF house(area.left() + 14, area.center().y() - 10, 90, 80);
        p.setBrush(QColor(0xff, 0xcc, 0x80));
        p.drawRect(house);
        QPainterPath roof;
        roof.moveTo(house.left() - 8, house.top());
        roof.lineTo(house.center().x(), house.top() - 50);
        roof.lineTo(house.right() + 8, house.top());
        roof.closeSubpath();
        p.setBrush(QColor(0xe5, 0x73, 0x73));
        p.drawPath(roof);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(house.left() + 12, house.top() + 16, 22, 22));
        p.drawRect(QRectF(house.right() - 34, house.bottom() - 44, 22, 44));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(area.right() - 40, area.bottom() - 70, 12, 60));
        p.drawEllipse(QPointF(area.right() - 34, area.bottom() - 88), 28, 26);
        p.drawLine(QPointF(area.left(), area.bottom() - 10), QPointF(area.right(), area.bottom() - 10));
    }));
    // Step 3: join the dots: across, down and slanting.
    save(u"image4"_s, worksheet({201, 249}, u"画线练习"_s, [](QPainter &p, QRectF area) {
        const qreal h = area.height() / 3;
        for (int r = 0; r < 3; ++r) {
            const QRectF band(area.left(), area.top() + r * h, area.width(), h);
            for (int k = 0; k < 4; ++k) {
                const qreal x = band.left() + 12 + k * (band.width() - 24) / 4;
                QPointF a;
                QPointF b;
                if (r == 0) {
                    a = QPointF(x, band.center().y() - 12 + (k % 2) * 24);
                    b = a + QPointF((band.width() - 24) / 4 - 10, 0);
                } else if (r == 1) {
                    a = QPointF(x + 16, band.top() + 10);
                    b = QPointF(x + 16, band.bottom() - 10);
                } else {
                    a = QPointF(x + 4, band.top() + 10);
                    b = QPointF(x + 36, band.bottom() - 10);
                }
                p.setPen(k == 0 ? QPen(Ink, 2) : QPen(Guide, 1.6, Qt::DashLine));
                p.drawLine(a, b);
                p.setPen(Qt::NoPen);
                p.setBrush(Crayons.at(r));
                p.drawEllipse(a, 3.5, 3.5);
                p.drawEllipse(b, 3.5, 3.5);
            }
        }
    }));
    // Step 3: trace, then write the digits in their boxes.
    save(u"image6"_s, worksheet({201, 249}, u"描、写数字"_s, [](QPainter &p, QRectF area) {
        const int rows = 5;
        const qreal h = area.height() / rows;
        const qreal box = qMin(h - 6, area.width() / 5);
        for (int r = 0; r < rows; ++r) {
            for (int k = 0; k < 5; ++k) {
                const QRectF cell(area.left() + k * (area.width() / 5) + 2, area.top() + r * h + 3, box, box);
                p.setPen(QPen(QColor(0x81, 0xc7, 0x84), 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell);
                p.setPen(QPen(QColor(0xc8, 0xe6, 0xc9), 1, Qt::DashLine));
                p.drawLine(QPointF(cell.center().x(), cell.top()), QPointF(cell.center().x(), cell.bottom()));
                p.drawLine(QPointF(cell.left(), cell.center().y()), QPointF(cell.right(), cell.center().y()));
                if (k > 2)
                    continue;
                QPainterPath digit;
                digit.addText(0, 0, uiFont(int(box) - 6), QString::number(r + 1));
                digit.translate(cell.center() - digit.boundingRect().center());
                p.setPen(k == 0 ? QPen(Ink, 1.6) : QPen(Guide, 1.3, Qt::DotLine));
                p.setBrush(k == 0 ? QBrush(Ink) : QBrush(Qt::NoBrush));
                p.drawPath(digit);
            }
        }
    }));
    // Step 3: count the letters of each kind.
    save(u"image7"_s, worksheet({201, 249}, u"数一数字母的个数"_s, [](QPainter &p, QRectF area) {
        QRandomGenerator random(7);
        const QStringList letters{u"A"_s, u"B"_s, u"C"_s};
        const QList<int> counts{4, 3, 5};
        const QRectF field(area.left(), area.top(), area.width(), area.height() - 60);
        p.setFont(uiFont(20, true));
        int placed = 0;
        for (int l = 0; l < 3; ++l) {
            for (int n = 0; n < counts.at(l); ++n, ++placed) {
                const qreal x = field.left() + (placed % 4) * field.width() / 4 + random.bounded(12);
                const qreal y = field.top() + (placed / 4) * field.height() / 3 + 22 + random.bounded(10);
                p.setPen(Crayons.at(l * 2));
                p.drawText(QPointF(x + 6, y), letters.at(l));
            }
        }
        p.setFont(uiFont(13));
        p.setPen(Ink);
        for (int l = 0; l < 3; ++l)
            p.drawText(QPointF(area.left() + l * area.width() / 3 + 4, area.bottom() - 20),
                       letters.at(l) + u" 有(  )个"_s);
    }));
    // Step 4: fill in the missing numbers.
    save(u"image8"_s, worksheet({201, 249}, u"补填数字"_s, [](QPainter &p, QRectF area) {
        const int cols = 5;
        const int rows = 6;
        const qreal w = area.width() / cols;
        const qreal h = area.height() / rows;
        p.setFont(uiFont(14, true));
        for (int i = 0; i < cols * rows; ++i) {
            const QRectF cell(area.left() + (i % cols) * w + 2, area.top() + (i / cols) * h + 2, w - 4, h - 4);
            const bool blank = (i * 7) % 4 == 1;
            p.setPen(QPen(blank ? QColor(0xef, 0x53, 0x50) : QColor(0x90, 0xca, 0xf9), 1.2));
            p.setBrush(blank ? QColor(0xff, 0xeb, 0xee) : QColor(0xe3, 0xf2, 0xfd));
            p.drawRoundedRect(cell, 4, 4);
            if (!blank) {
                p.setPen(Ink);
                p.drawText(cell, Qt::AlignCenter, QString::number(i + 1));
            }
        }
    }));
    // Step 4: add with pictures.
    save(u"image9"_s, worksheet({201, 249}, u"简单加法"_s, [](QPainter &p, QRectF area) {
        const QList<QPair<int, int>> sums{{2, 1}, {1, 3}, {3, 2}, {2, 2}};
        const qreal h = area.height() / sums.size();
        for (int r = 0; r < sums.size(); ++r) {
            const qreal y = area.top() + r * h + h / 2;
            qreal x = area.left() + 6;
            auto apples = [&](int n, const QColor &colour) {
                for (int k = 0; k < n; ++k, x += 15) {
                    p.setPen(QPen(colour.darker(130), 1));
                    p.setBrush(colour);
                    p.drawEllipse(QPointF(x + 6, y), 6.5, 6.5);
                    p.setPen(QPen(QColor(0x55, 0x8b, 0x2f), 1.5));
                    p.drawLine(QPointF(x + 6, y - 6), QPointF(x + 8, y - 10));
                }
            };
            apples(sums[r].first, QColor(0xef, 0x53, 0x50));
            p.setPen(Ink);
            p.setFont(uiFont(14, true));
            p.drawText(QPointF(x + 2, y + 5), u"+"_s);
            x += 16;
            apples(sums[r].second, QColor(0xff, 0xca, 0x28));
            p.drawText(QPointF(x + 2, y + 5), u"="_s);
            p.setPen(QPen(QColor(0xef, 0x53, 0x50), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(x + 18, y - 11, 24, 22), 3, 3);
        }
    }));
    // Step 4: groups: how many twos are there?
    save(u"image10"_s, worksheet({201, 249}, u"组的运算"_s, [](QPainter &p, QRectF area) {
        const QList<QPair<int, int>> sets{{3, 2}, {2, 4}};
        const qreal h = area.height() / 2;
        for (int s = 0; s < 2; ++s) {
            const int groups = sets[s].first;
            const int size = sets[s].second;
            const qreal top = area.top() + s * h;
            const qreal w = area.width() / groups;
            for (int g = 0; g < groups; ++g) {
                const QRectF ring(area.left() + g * w + 3, top + 6, w - 6, h - 44);
                p.setPen(QPen(Crayons.at(3 + s), 1.6, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(ring, 14, 14);
                for (int k = 0; k < size; ++k) {
                    const QPointF at(ring.left() + (k % 2 + 1) * ring.width() / 3,
                                     ring.top() + (k / 2 + 1) * ring.height() / ((size + 1) / 2 + 1));
                    QPainterPath star;
                    for (int i = 0; i < 10; ++i) {
                        const qreal rr = i % 2 ? 3.2 : 7.5;
                        const qreal a = -M_PI / 2 + i * M_PI / 5;
                        const QPointF pt(at.x() + rr * std::cos(a), at.y() + rr * std::sin(a));
                        i ? star.lineTo(pt) : star.moveTo(pt);
                    }
                    star.closeSubpath();
                    p.setPen(QPen(QColor(0xf9, 0xa8, 0x25), 1));
                    p.setBrush(QColor(0xff, 0xd5, 0x4f));
                    p.drawPath(star);
                }
            }
            p.setPen(Ink);
            p.setFont(uiFont(13, true));
            p.drawText(QRectF(area.left(), top + h - 34, area.width(), 24), Qt::AlignCenter,
                       QString::number(groups) + u"个"_s + QString::number(size) + u"是（   ）"_s);
        }
    }));
    // Step 8: the times table, counted in rows.
    save(u"image24"_s, worksheet({265, 193}, u"学习乘法口诀"_s, [](QPainter &p, QRectF area) {
        const int rows = 3;
        const int cols = 4;
        const QRectF field(area.left() + 4, area.top(), area.width() * 0.55, area.height());
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                const QPointF at(field.left() + 14 + c * 26, field.top() + 16 + r * 36);
                p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 1));
                p.setBrush(QColor(0xef, 0x53, 0x50));
                p.drawEllipse(at, 10, 10);
                p.setPen(QPen(QColor(0x55, 0x8b, 0x2f), 2));
                p.drawLine(at + QPointF(0, -9), at + QPointF(3, -14));
            }
        }
        p.setPen(Ink);
        p.setFont(uiFont(16, true));
        const QRectF right(field.right() + 6, area.top(), area.right() - field.right() - 6, area.height());
        p.drawText(QRectF(right.left(), right.top() + 14, right.width(), 24), Qt::AlignCenter,
                   u"3 × 4 = 12"_s);
        p.setPen(QColor(0xc0, 0x00, 0xc0));
        p.drawText(QRectF(right.left(), right.top() + 52, right.width(), 24), Qt::AlignCenter,
                   u"三四十二"_s);
        p.setPen(Ink);
        p.setFont(uiFont(12));
        p.drawText(QRectF(right.left(), right.top() + 92, right.width(), 20), Qt::AlignCenter,
                   u"一行4个，有3行"_s);
    }));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <assets/layout folder>\n", argv[0]);
        return 2;
    }
    outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    installFontSubstitutes();
    QApplication::setFont(uiFont(12));

    drawWorksheets();

    // The activities, as a child sees them.
    test::TestWorld world;
    world.start();
    struct Shot
    {
        const char16_t *picture;
        int topic;
        QSize size;
    };
    const QList<Shot> shots{
        {u"image11", 6, {161, 113}}, {u"image12", 6, {161, 113}}, {u"image13", 6, {161, 113}},
        {u"image16", 8, {161, 113}}, {u"image14", 2, {161, 113}}, {u"image15", 2, {257, 185}},
        {u"image18", 3, {265, 193}}, {u"image22", 7, {257, 193}}, {u"image23", 9, {265, 193}},
        {u"image25", 4, {265, 193}},
    };
    for (const Shot &shot : shots) {
        world.clock.seconds += 7; // a new drawing for each picture
        // Open the topic as a click on its button does, and grab the window it shows.
        Form *window = nullptr;
        mymainForm->topicButton(shot.topic)->setFocus(Qt::MouseFocusReason);
        mymainForm->suiImageButton1Click();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<Form *>(w);
            if (form && form != mymainForm && form->isVisible())
                window = form;
        }
        if (!window) {
            std::fprintf(stderr, "topic %d opened no window\n", shot.topic);
            ++failures;
            continue;
        }
        save(QString::fromUtf16(shot.picture), fitted(window->grab(), shot.size));
        window->hide();
    }
    world.stop();
    return failures == 0 ? 0 : 1;
}
