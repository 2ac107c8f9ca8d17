#pragma once

#include "toolkit/fieldbinding.h"

#include <QLineEdit>

namespace abacolo {

// A data-bound edit box (`DBEdit`): shows one field of a table's current record and follows
// the record as the table moves, posts, opens or closes. It only shows the field: the box is
// read-only. While the table is closed, or the field cannot be read, the box is empty.
class DBEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DBEdit)

public:
    DBEdit(const QString &name, QWidget *parent);

    // Binds the box to `field` (by name, without regard to case) of `table`.
    void setDataField(Table *table, const QString &field);
    QString dataField() const { return m_binding.field(); }
    Table *dataTable() const { return m_binding.table(); }

private:
    FieldBinding m_binding;
};

} // namespace abacolo
