#include "toolkit/fieldbinding.h"

#include "tables/apperror.h"
#include "tables/tables.h"

namespace abacolo {

FieldBinding::FieldBinding(QObject *control, std::function<void(const QString &)> show)
    : m_control(control)
    , m_show(std::move(show))
{
}

FieldBinding::~FieldBinding()
{
    // The control outlives this member only by its base destructors: no refresh may reach it.
    QObject::disconnect(m_connection);
}

void FieldBinding::bind(Table *table, const QString &field)
{
    QObject::disconnect(m_connection);
    m_table = table;
    m_field = field;
    if (table)
        m_connection = QObject::connect(table, &Table::recordChanged, m_control, [this] { refresh(); });
    refresh();
}

Table *FieldBinding::table() const
{
    return m_table.data();
}

void FieldBinding::refresh()
{
    // Runs inside the table's signal: nothing may escape into the emitting operation. A field
    // the table does not have shows nothing, as a closed table does.
    QString text;
    if (m_table && m_table->active()) {
        try {
            text = m_table->fieldByName(m_field).asString();
        } catch (const AppError &) {
            text.clear();
        }
    }
    m_show(text);
}

} // namespace abacolo
