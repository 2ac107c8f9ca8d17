#include "toolkit/dbedit.h"

#include "shell/tables.h"
#include "toolkit/apperror.h"

namespace abacolo {

DBEdit::DBEdit(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
}

void DBEdit::setDataField(Table *table, const QString &field)
{
    QObject::disconnect(m_connection);
    m_table = table;
    m_field = field;
    if (table)
        m_connection = connect(table, &Table::recordChanged, this, &DBEdit::refresh);
    refresh();
}

void DBEdit::refresh()
{
    // Runs inside the table's signal: nothing may escape into the emitting operation.
    QString text;
    if (m_table && m_table->active()) {
        try {
            text = m_table->fieldByName(m_field).asString();
        } catch (const AppError &) {
            text.clear();
        }
    }
    setText(text);
    setCursorPosition(0);
}

} // namespace abacolo
