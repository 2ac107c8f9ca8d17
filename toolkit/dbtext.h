#pragma once

#include "toolkit/fieldbinding.h"

#include <QLabel>

namespace abacolo {

// A data-bound label (`DBText`): shows one field of a table's current record as text and
// follows the record as the table moves, posts, opens or closes. While the table is closed,
// or the field cannot be read, the label is empty.
class DBText : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DBText)

public:
    DBText(const QString &name, QWidget *parent);

    // Binds the label to `field` (by name, without regard to case) of `table`.
    void setDataField(Table *table, const QString &field);
    QString dataField() const { return m_binding.field(); }

private:
    FieldBinding m_binding;
};

} // namespace abacolo
