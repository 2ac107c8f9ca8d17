#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>

class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QPieSeries;
class QStackedBarSeries;
class QValueAxis;

namespace abacolo {

class CountSource;
class ValueMark;

// The sixteen colours the charts give their points, in record order: record k takes the k-th
// (counted from 1, starting again after the sixteenth).
QColor countColour(int record);
// The colour's name as the charts write it ("红色" for record 1).
QString countColourName(int record);

// A chart of the counts of a CountSource (`DBChart`): titled in blue 16-pixel Song, light
// gray, no zooming or panning. It redraws whenever the source's counts change (in a hidden
// window, once the window is shown); a centred note "还没有数据" stands in for a chart with
// nothing to draw.
class CountChart : public QChartView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountChart)

public:
    CountChart(const QString &name, const QString &title, QWidget *parent);

    void setSource(CountSource *source);
    QChart *chartItem() const { return m_chart; }
    // Whether the note "还没有数据" is showing.
    bool showsNoDataNote() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual void showCounts(const QList<qint64> &counts) = 0;
    void setNoteVisible(bool visible);
    // Places whatever depends on the plot area; the base centres the note.
    virtual void placeItems();

    QChart *m_chart;

private:
    void redraw();

    CountSource *m_source = nullptr;
    QGraphicsSimpleTextItem *m_note;
    QPointer<QWidget> m_redrawWaitsFor; // the hidden window whose showing redraws the chart
};

// The pie of the counts: one slice per record, in table order, unsorted, each in its
// record's colour. A pie cannot draw a count below 1, so a slice is as large as its count
// when that is positive and empty otherwise; every slice's label and legend entry still
// carry the stored count, and a value mark points at every slice that is drawn.
class PieCountChart : public CountChart
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PieCountChart)

public:
    PieCountChart(const QString &name, const QString &title, QWidget *parent);

    QPieSeries *series() const { return m_series; }

protected:
    void showCounts(const QList<qint64> &counts) override;

private:
    void resizeSlices(qsizetype count);
    void hideShadowFromLegend();

    QPieSeries *m_shadow;
    QPieSeries *m_series;
};

// The bars of the counts: one bar per record in ascending record order, each in its record's
// colour, shaded darker to its right side, named under the axis by its colour, with a value
// mark on its end. Negative counts hang below the zero line.
//
// The series stacks one set per record, set k holding the count at category k and nothing
// elsewhere, which is how every bar gets a colour of its own.
class BarCountChart : public CountChart
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarCountChart)

public:
    BarCountChart(const QString &name, const QString &title, QWidget *parent);
    ~BarCountChart() override;

    QStackedBarSeries *series() const { return m_series; }
    // The bar heights, in record order.
    QList<qreal> values() const;
    // The texts of the value marks, in record order.
    QStringList markTexts() const;

protected:
    void showCounts(const QList<qint64> &counts) override;
    void placeItems() override;

private:
    void resizeBars(qsizetype count);
    void fitAxis(const QList<qint64> &counts);

    QStackedBarSeries *m_series;
    QBarCategoryAxis *m_categories;
    QValueAxis *m_values;
    QList<ValueMark *> m_marks;
    QList<qint64> m_counts;
};

} // namespace abacolo
