#include "tests/support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace abacolo::test {

void FakeClock::hold(int ms)
{
    holds.append(ms);
    time = time.addMSecs(ms);
    elapsed += ms;
    if (onHold)
        onHold(ms);
}

void ScriptedDialogs::showError(const QString &text)
{
    shown.append({u"error"_s, u"错误"_s, text});
}

Dialogs::Answer ScriptedDialogs::ask(const QString &caption, const QString &text)
{
    shown.append({u"ask"_s, caption, text});
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(u"unscripted question: "_s + text), __FILE__, __LINE__);
        return Answer::No;
    }
    return answers.takeFirst();
}

void ScriptedDialogs::tell(const QString &caption, const QString &text)
{
    shown.append({u"tell"_s, caption, text});
}

void ScriptedDialogs::warn(const QString &caption, const QString &text)
{
    shown.append({u"warn"_s, caption, text});
}

QStringList ScriptedDialogs::errors() const
{
    QStringList texts;
    for (const Shown &box : shown) {
        if (box.kind == u"error")
            texts.append(box.text);
    }
    return texts;
}

void FakeDisplay::SetDisplaySize(int width, int height)
{
    requests.append(QSize(width, height));
    size = QSize(width, height);
}

} // namespace abacolo::test
