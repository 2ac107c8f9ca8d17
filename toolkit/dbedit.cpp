#include "toolkit/dbedit.h"

namespace abacolo {

DBEdit::DBEdit(const QString &name, QWidget *parent)
    : QLineEdit(parent)
    , m_binding(this, [this](const QString &text) {
        setText(text);
        setCursorPosition(0);
    })
{
    setObjectName(name);
    setReadOnly(true);
}

void DBEdit::setDataField(Table *table, const QString &field)
{
    m_binding.bind(table, field);
}

} // namespace abacolo
