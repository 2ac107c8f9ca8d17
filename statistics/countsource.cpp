#include "statistics/countsource.h"

#include "tables/tables.h"
#include "toolkit/handlers.h"

#include <QScopeGuard>
#include <QTimer>

namespace abacolo {

CountSource::CountSource(Table *table, const QString &field, QObject *parent)
    : QObject(parent), m_table(table), m_field(field)
{
    connect(m_table, &Table::recordChanged, this, &CountSource::tableChanged);
}

void CountSource::tableChanged()
{
    // Our own walk through the records moves the table too; those moves are not news.
    if (m_reading || m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        HandlerGate::run(this, [this] {
            if (m_pending)
                refresh();
        });
    });
}

void CountSource::refresh()
{
    m_pending = false;
    if (m_table->editing())
        return; // the post that ends the edit brings us back
    QList<qint64> counts;
    if (m_table->active())
        counts = readCounts();
    if (counts == m_counts)
        return;
    m_counts = counts;
    Q_EMIT countsChanged();
}

QList<qint64> CountSource::readCounts()
{
    m_reading = true;
    const auto done = qScopeGuard([this] { m_reading = false; });

    QList<qint64> counts;
    const int total = m_table->recordCount();
    if (total == 0)
        return counts;
    const int current = m_table->recordNumber();
    m_table->first();
    for (int i = 0; i < total; ++i) {
        if (i > 0)
            m_table->next();
        bool ok = false;
        const qint64 count = m_table->fieldByName(m_field).asVariant().toLongLong(&ok);
        counts.append(ok ? count : 0); // an empty count shows as 0
    }
    m_table->first();
    if (current > 1)
        m_table->moveBy(current - 1);
    return counts;
}

} // namespace abacolo
