#include "tests/shell/dummyxserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace abacolo::test {

namespace {

// No input devices, no other screens: one dummy output with a 1920 × 1080 and a 1024 × 768
// mode line (the driver adds its standard modes besides).
constexpr char Config[] = R"(Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoAddGPU" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 32768
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "1920x1080" 148.50 1920 2008 2052 2200 1080 1084 1089 1125 +hsync +vsync
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1920x1080" "1024x768"
    EndSubSection
EndSection
)";

} // namespace

DummyXServer::~DummyXServer()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(10'000))
            m_server.kill();
        m_server.waitForFinished(5'000);
    }
}

bool DummyXServer::start()
{
    const QString xorg = QStandardPaths::findExecutable(u"Xorg"_s);
    if (xorg.isEmpty()) {
        m_error = u"Xorg is not installed (xserver-xorg-core)"_s;
        return false;
    }
    if (!QFile::exists(u"/usr/lib/xorg/modules/drivers/dummy_drv.so"_s)) {
        m_error = u"the dummy video driver is not installed (xserver-xorg-video-dummy)"_s;
        return false;
    }
    const QString config = m_dir.filePath(u"xorg.conf"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(Config) < 0) {
        m_error = u"cannot write the server's configuration"_s;
        return false;
    }
    file.close();

    // The server writes its display number to standard output once it accepts clients.
    m_server.setProgram(xorg);
    m_server.setArguments({u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s,
                           u"+extension"_s, u"RANDR"_s, u"-logfile"_s, logFile(), u"-config"_s,
                           config});
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start();
    if (!m_server.waitForStarted(10'000)) {
        m_error = u"Xorg did not start: "_s + m_server.errorString();
        return false;
    }
    QByteArray out;
    const QDeadlineTimer deadline(30'000);
    while (!out.contains('\n') && !deadline.hasExpired()
           && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        out += m_server.readAllStandardOutput();
    }
    const QByteArray number = out.trimmed();
    bool ok = false;
    number.toInt(&ok);
    if (!ok) {
        m_error = u"Xorg did not come up (needs root for -config with a path): "_s
            + QString::fromLocal8Bit(m_server.readAllStandardError().right(400));
        return false;
    }
    m_display = ':' + number;
    return true;
}

} // namespace abacolo::test
