#include "toolkit/dbtext.h"

#include "shell/tables.h"
#include "toolkit/apperror.h"

namespace abacolo {

DBText::DBText(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
}

void DBText::setDataField(Table *table, const QString &field)
{
    QObject::disconnect(m_connection);
    m_table = table;
    m_field = field;
    if (table)
        m_connection = connect(table, &Table::recordChanged, this, &DBText::refresh);
    refresh();
}

void DBText::refresh()
{
    QString text;
    if (m_table && m_table->active()) {
        // A field the table does not have shows nothing, as a closed table does.
        try {
            text = m_table->fieldByName(m_field).asString();
        } catch (const AppError &) {
            text.clear();
        }
    }
    setText(text);
}

} // namespace abacolo
