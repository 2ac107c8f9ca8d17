#include "services/messagedialogs.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

void showMessage(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace

void MessageDialogs::showError(const QString &text)
{
    showMessage(QMessageBox::Critical, u"错误"_s, text);
}

Dialogs::Answer MessageDialogs::ask(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    owner());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageDialogs::tell(const QString &caption, const QString &text)
{
    showMessage(QMessageBox::Information, caption, text);
}

void MessageDialogs::warn(const QString &caption, const QString &text)
{
    showMessage(QMessageBox::Warning, caption, text);
}

} // namespace abacolo
