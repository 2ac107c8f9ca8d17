#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace abacolo::test {

// An X server of its own for a test: Xorg with the dummy video driver, whose one output
// offers (among others) 1920 × 1080 and 1024 × 768 and really switches between them through
// RandR. It picks a free display number itself (-displayfd) and ends with the object.
class DummyXServer
{
public:
    DummyXServer() = default;
    ~DummyXServer();
    DummyXServer(const DummyXServer &) = delete;
    DummyXServer &operator=(const DummyXServer &) = delete;

    // Starts the server; false, with the reason in error(), where it cannot run here.
    bool start();
    QByteArray displayName() const { return m_display; }
    QString error() const { return m_error; }
    QString logFile() const { return m_dir.filePath(QStringLiteral("xorg.log")); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QByteArray m_display;
    QString m_error;
};

} // namespace abacolo::test
