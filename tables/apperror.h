#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace abacolo {

// The one error type the program raises. Its text is shown to the user as it stands,
// so it is written in Chinese.
class AppError : public std::exception
{
public:
    explicit AppError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace abacolo
