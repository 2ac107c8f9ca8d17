#pragma once

#include <QPointer>
#include <QString>
#include <functional>

namespace abacolo {

class Table;

// The binding of a data-bound control to one field of a table's current record: hands the
// field's text to the control whenever the record changes (the table moves, posts, opens or
// closes). While the table is closed, or the field cannot be read, the text is empty.
class FieldBinding
{
public:
    // `control` scopes the connection to the table; `show` puts the text into it.
    FieldBinding(QObject *control, std::function<void(const QString &)> show);
    ~FieldBinding();
    Q_DISABLE_COPY_MOVE(FieldBinding)

    // Binds to `field` (by name, without regard to case) of `table`.
    void bind(Table *table, const QString &field);
    QString field() const { return m_field; }
    Table *table() const;

private:
    void refresh();

    QObject *m_control;
    std::function<void(const QString &)> m_show;
    QPointer<Table> m_table;
    QString m_field;
    QMetaObject::Connection m_connection;
};

} // namespace abacolo
