#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace abacolo {

class Table;

// The data source of the statistics charts: one count per record of a table, in the table's
// order, read from one field. It follows the table: whenever the table's current record
// changes (a move, a post, opening or closing) it reads the counts again once the event loop
// is free, and says so when they changed. A closed table has no counts.
//
// Reading walks the table component itself and puts its current record back afterwards; it
// never reads in the middle of an edit, so an edit in progress is left alone.
class CountSource : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountSource)

public:
    CountSource(Table *table, const QString &field, QObject *parent);

    const QList<qint64> &counts() const { return m_counts; }
    Table *table() const { return m_table; }

    // Reads the counts now. Raises AppError when the table cannot be read.
    void refresh();

Q_SIGNALS:
    void countsChanged();

private:
    void tableChanged();
    QList<qint64> readCounts();

    Table *m_table;
    QString m_field;
    QList<qint64> m_counts;
    bool m_reading = false;
    bool m_pending = false;
};

} // namespace abacolo
