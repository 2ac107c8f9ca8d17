#include "shell/splash.h"

#include "toolkit/fonts.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturefile.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace abacolo {

TSplashForm *SplashForm = nullptr;

TSplashForm::TSplashForm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Image1(new PictureBox(u"Image1"_s, this))
{
    setObjectName(u"SplashForm"_s);
    resize(338, 183);
    Image1->setGeometry(rect());
    Image1->setPicture(readPicture(u":/layout/splash.bmp"_s));
    auto *loading = makeLabel(u"Label1"_s, u"正在载入资源. . . . . ."_s, this, {112, 122},
                              uiFont(12), QColor(90, 90, 90));
    loading->resize(137 + 40, 16);
    const QColor highlight = palette().color(QPalette::Highlight);
    auto *credit = makeLabel(u"Label2"_s, u"亲子数学工作室 出品"_s, this, {216, 160},
                             uiFont(12), highlight);
    credit->resize(129, 16);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

} // namespace abacolo
