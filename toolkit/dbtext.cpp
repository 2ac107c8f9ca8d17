#include "toolkit/dbtext.h"

namespace abacolo {

DBText::DBText(const QString &name, QWidget *parent)
    : QLabel(parent)
    , m_binding(this, [this](const QString &text) { setText(text); })
{
    setObjectName(name);
}

void DBText::setDataField(Table *table, const QString &field)
{
    m_binding.bind(table, field);
}

} // namespace abacolo
