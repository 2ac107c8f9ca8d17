#include "statistics/countcharts.h"

#include "statistics/countsource.h"
#include "toolkit/fonts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLinearGradient>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

struct PaletteEntry
{
    QRgb rgb;
    const char16_t *name;
};

constexpr std::array<PaletteEntry, 16> Palette{{
    {qRgb(255, 0, 0), u"红色"},
    {qRgb(0, 128, 0), u"绿色"},
    {qRgb(255, 255, 0), u"黄色"},
    {qRgb(0, 0, 255), u"蓝色"},
    {qRgb(255, 255, 255), u"白色"},
    {qRgb(128, 128, 128), u"灰色"},
    {qRgb(255, 0, 255), u"紫红色"},
    {qRgb(0, 128, 128), u"蓝绿色"},
    {qRgb(0, 0, 128), u"藏青色"},
    {qRgb(128, 0, 0), u"栗色"},
    {qRgb(0, 255, 0), u"亮绿色"},
    {qRgb(128, 128, 0), u"橄榄色"},
    {qRgb(128, 0, 128), u"紫色"},
    {qRgb(192, 192, 192), u"银色"},
    {qRgb(0, 255, 255), u"青色"},
    {qRgb(0, 0, 0), u"黑色"},
}};

const PaletteEntry &paletteEntry(int record)
{
    const int size = int(Palette.size());
    return Palette.at(size_t(((record - 1) % size + size) % size));
}

const QColor WindowGray(232, 232, 232);
const QColor TitleBlue(0, 0, 255);
const QColor MarkText(30, 30, 30);
constexpr int AnimationMs = 350;

// The outline of a slice or bar: a darker shade of its colour, gray for very light colours,
// so that a white slice or bar still shows on the light gray chart.
QPen outlineFor(const QColor &colour, qreal width)
{
    const QColor line = colour.lightness() > 200 ? QColor(128, 128, 128) : colour.darker(170);
    QPen pen(line, width);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A bar's face: lit from the left, its right side darker, as a bar seen from a little to
// the left shows its side.
QBrush barBrush(const QColor &colour)
{
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, colour.lighter(135));
    gradient.setColorAt(0.35, colour);
    gradient.setColorAt(0.72, colour.darker(115));
    gradient.setColorAt(0.74, colour.darker(150));
    gradient.setColorAt(1.0, colour.darker(175));
    return gradient;
}

// The smallest step of 1, 2 or 5 times a power of ten that cuts `span` into at most 8 ticks.
double tickStep(double span)
{
    for (double magnitude = 1;; magnitude *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (span / (factor * magnitude) <= 8)
                return factor * magnitude;
        }
    }
}

} // namespace

QColor countColour(int record)
{
    return QColor::fromRgb(paletteEntry(record).rgb);
}

QString countColourName(int record)
{
    return QString::fromUtf16(paletteEntry(record).name);
}

// A value mark: the value in a pale box, joined by an 8-pixel arrow to the point it marks,
// above it or, for a value below zero, under it.
class ValueMark : public QGraphicsItem
{
public:
    explicit ValueMark(QGraphicsItem *parent) : QGraphicsItem(parent)
    {
        m_font = uiFont(20, true);
        setZValue(20);
    }

    QString text() const { return m_text; }

    void setText(const QString &text)
    {
        if (text == m_text)
            return;
        prepareGeometryChange();
        m_text = text;
    }

    // `at`: where the arrow starts, in the parent's coordinates.
    void setAnchor(QPointF at, bool below)
    {
        if (below != m_below) {
            prepareGeometryChange();
            m_below = below;
        }
        setPos(at);
    }

    QRectF boundingRect() const override { return box().united(QRectF(-1, -Arrow, 2, 2 * Arrow)).adjusted(-2, -2, 2, 2); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(90, 90, 90), 1.5));
        painter->drawLine(QPointF(0, 0), QPointF(0, m_below ? Arrow : -Arrow));
        const QRectF face = box();
        painter->setBrush(QColor(255, 255, 225));
        painter->drawRoundedRect(face, 6, 6);
        painter->setFont(m_font);
        painter->setPen(MarkText);
        painter->drawText(face, Qt::AlignCenter, m_text);
    }

private:
    static constexpr qreal Arrow = 8;

    QRectF box() const
    {
        const QFontMetricsF metrics(m_font);
        const QSizeF size(std::max(metrics.horizontalAdvance(m_text) + 14, 30.0),
                          metrics.height() + 4);
        const qreal top = m_below ? Arrow : -Arrow - size.height();
        return QRectF(QPointF(-size.width() / 2, top), size);
    }

    QString m_text;
    QFont m_font;
    bool m_below = false;
};

// ---- CountChart ---------------------------------------------------------------------------

CountChart::CountChart(const QString &name, const QString &title, QWidget *parent)
    : QChartView(parent), m_chart(new QChart)
{
    setObjectName(name);
    m_chart->setTheme(QChart::ChartThemeLight);
    m_chart->setTitle(title);
    m_chart->setTitleFont(songFont(16));
    m_chart->setTitleBrush(TitleBlue);
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0, QColor(244, 244, 244));
    background.setColorAt(1, QColor(226, 226, 226));
    m_chart->setBackgroundBrush(background);
    m_chart->setBackgroundPen(QPen(QColor(200, 200, 200), 1));
    m_chart->setBackgroundRoundness(12);
    m_chart->setDropShadowEnabled(true);
    // Room at the foot for the chart switches that lie over the charts.
    m_chart->setMargins(QMargins(12, 6, 12, 62));
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
    m_chart->setAnimationDuration(AnimationMs);

    m_note = new QGraphicsSimpleTextItem(u"还没有数据"_s, m_chart);
    m_note->setFont(uiFont(30, true));
    m_note->setBrush(QColor(80, 100, 140));
    m_note->setZValue(30);
    m_note->hide();

    // setChart() lets go of the chart the view made for itself without freeing it.
    QChart *own = chart();
    setChart(m_chart);
    delete own;
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(WindowGray);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);

    connect(m_chart, &QChart::plotAreaChanged, this, [this] { placeItems(); });
}

void CountChart::setSource(CountSource *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source)
        connect(m_source, &CountSource::countsChanged, this, &CountChart::redraw);
    redraw();
}

void CountChart::redraw()
{
    // Nobody sees a chart in a hidden window: drawing it then (the tables open at start-up,
    // before the main window's first frame) is work for nothing. It is drawn when shown.
    QWidget *shownBy = window();
    if (!shownBy->isVisible()) {
        if (m_redrawWaitsFor != shownBy) {
            if (m_redrawWaitsFor)
                m_redrawWaitsFor->removeEventFilter(this);
            m_redrawWaitsFor = shownBy;
            shownBy->installEventFilter(this);
        }
        return;
    }
    showCounts(m_source ? m_source->counts() : QList<qint64>());
    placeItems();
}

bool CountChart::eventFilter(QObject *watched, QEvent *event)
{
    // The window is visible while its show event is sent, before its first frame.
    if (watched == m_redrawWaitsFor && event->type() == QEvent::Show) {
        m_redrawWaitsFor->removeEventFilter(this);
        m_redrawWaitsFor = nullptr;
        redraw();
    }
    return QChartView::eventFilter(watched, event);
}

bool CountChart::showsNoDataNote() const
{
    return m_note->isVisible();
}

void CountChart::setNoteVisible(bool visible)
{
    m_note->setVisible(visible);
}

void CountChart::placeItems()
{
    const QRectF area = m_chart->plotArea();
    m_note->setPos(area.center() - m_note->boundingRect().center());
}

// ---- PieCountChart ------------------------------------------------------------------------

namespace {
constexpr qreal PieSize = 0.68;
constexpr qreal Explode = 0.035;
} // namespace

PieCountChart::PieCountChart(const QString &name, const QString &title, QWidget *parent)
    : CountChart(name, title, parent), m_shadow(new QPieSeries), m_series(new QPieSeries)
{
    // A dark copy of the pie, a little down and to the right, lies under it as its shadow.
    for (QPieSeries *pie : {m_shadow, m_series})
        pie->setPieSize(PieSize);
    m_shadow->setHorizontalPosition(0.5 + 0.012);
    m_shadow->setVerticalPosition(0.5 + 0.02);
    m_chart->addSeries(m_shadow);
    m_chart->addSeries(m_series);

    QLegend *legend = m_chart->legend();
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(uiFont(17, true));
    legend->setLabelColor(MarkText);
    legend->setMarkerShape(QLegend::MarkerShapeRectangle);
}

void PieCountChart::resizeSlices(qsizetype count)
{
    if (m_series->count() == count)
        return;
    while (m_series->count() > count) {
        m_series->remove(m_series->slices().constLast());
        m_shadow->remove(m_shadow->slices().constLast());
    }
    while (m_series->count() < count) {
        const QColor colour = countColour(int(m_series->count()) + 1);
        auto *slice = new QPieSlice(QString(), 0);
        slice->setColor(colour);
        slice->setPen(outlineFor(colour, 1.5));
        slice->setExploded(true);
        slice->setExplodeDistanceFactor(Explode);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelArmLengthFactor(0.2);
        slice->setLabelFont(uiFont(26, true));
        slice->setLabelBrush(MarkText);
        m_series->append(slice);

        auto *shade = new QPieSlice(QString(), 0);
        m_shadow->append(shade);
        // Opaque: the pie's animation draws a translucent brush as solid black.
        shade->setBrush(QColor(172, 172, 172));
        shade->setPen(Qt::NoPen);
        shade->setExploded(true);
        shade->setExplodeDistanceFactor(Explode);
    }
}

void PieCountChart::hideShadowFromLegend()
{
    for (QLegendMarker *marker : m_chart->legend()->markers(m_shadow))
        marker->setVisible(false);
}

void PieCountChart::showCounts(const QList<qint64> &counts)
{
    resizeSlices(counts.size());
    bool anyPositive = false;
    const QList<QPieSlice *> slices = m_series->slices();
    const QList<QPieSlice *> shades = m_shadow->slices();
    const QList<QLegendMarker *> markers = m_chart->legend()->markers(m_series);
    for (qsizetype i = 0; i < counts.size(); ++i) {
        const qint64 count = counts.at(i);
        const qreal size = qreal(std::max<qint64>(count, 0));
        anyPositive = anyPositive || count > 0;
        QPieSlice *slice = slices.at(i);
        slice->setValue(size);
        shades.at(i)->setValue(size);
        slice->setLabel(QString::number(count));
        slice->setLabelVisible(count > 0);
        // An empty slice draws nothing, not even its outline between its neighbours.
        slice->setPen(count > 0 ? outlineFor(slice->color(), 1.5) : QPen(Qt::NoPen));
        if (i < markers.size()) {
            markers.at(i)->setLabel(countColourName(int(i) + 1) + u"  "_s + QString::number(count));
            markers.at(i)->setPen(outlineFor(slice->color(), 1.0)); // also for an empty slice
        }
    }
    // Nothing to cut into slices: the pie stays empty (its slices draw neither area nor
    // outline), the legend keeps every count, and the note says why.
    m_shadow->setVisible(anyPositive);
    hideShadowFromLegend(); // the legend shows a series' markers again with the series
    m_chart->legend()->setVisible(!counts.isEmpty());
    setNoteVisible(!anyPositive);
}

// ---- BarCountChart ------------------------------------------------------------------------

BarCountChart::BarCountChart(const QString &name, const QString &title, QWidget *parent)
    : CountChart(name, title, parent)
    , m_series(new QStackedBarSeries)
    , m_categories(new QBarCategoryAxis)
    , m_values(new QValueAxis)
{
    m_series->setBarWidth(0.62);
    m_chart->addSeries(m_series);
    m_chart->legend()->hide();

    // The back wall: white, framed in gray.
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundPen(QPen(QColor(150, 150, 150), 1.5));
    m_chart->setPlotAreaBackgroundVisible(true);

    m_categories->setLabelsFont(uiFont(17, true));
    m_categories->setLabelsColor(MarkText);
    m_categories->setGridLineVisible(false);
    m_values->setLabelsFont(uiFont(15));
    m_values->setLabelsColor(MarkText);
    m_values->setLabelFormat(u"%.0f"_s);
    m_values->setTickType(QValueAxis::TicksDynamic);
    m_values->setTickAnchor(0);
    m_values->setGridLineColor(QColor(215, 215, 215));
    m_values->setMinorTickCount(0);
    m_chart->addAxis(m_categories, Qt::AlignBottom);
    m_chart->addAxis(m_values, Qt::AlignLeft);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_values);
    fitAxis({});
}

BarCountChart::~BarCountChart() = default;

void BarCountChart::resizeBars(qsizetype count)
{
    if (m_series->count() == count && m_marks.size() == count)
        return;
    m_series->clear();
    QStringList names;
    for (int k = 1; k <= count; ++k) {
        const QColor colour = countColour(k);
        auto *set = new QBarSet(countColourName(k));
        for (qsizetype j = 0; j < count; ++j)
            set->append(0);
        set->setBrush(barBrush(colour));
        set->setPen(outlineFor(colour, 1.2));
        m_series->append(set);
        names.append(countColourName(k));
    }
    m_categories->setCategories(names);
    if (count == 0)
        m_categories->clear();

    while (m_marks.size() > count)
        delete m_marks.takeLast();
    while (m_marks.size() < count)
        m_marks.append(new ValueMark(m_chart));
}

void BarCountChart::fitAxis(const QList<qint64> &counts)
{
    double high = 0;
    double low = 0;
    for (qint64 count : counts) {
        high = std::max(high, double(count));
        low = std::min(low, double(count));
    }
    const double span = std::max(high - low, 5.0);
    const double step = tickStep(span);
    // Head room for the value marks above the highest bar and below the lowest.
    const double room = span * 0.18;
    const double top = std::max(std::ceil((high + room) / step) * step, 5.0);
    const double bottom = low < 0 ? std::floor((low - room) / step) * step : 0.0;
    // The axis lays out its ticks at every change: with the old interval over a much wider
    // new range it would build millions of them. A coarser interval goes in before the range,
    // a finer one after it, so no step ever holds more than a few dozen.
    if (step >= m_values->tickInterval()) {
        m_values->setTickInterval(step);
        m_values->setRange(bottom, top);
    } else {
        m_values->setRange(bottom, top);
        m_values->setTickInterval(step);
    }
}

void BarCountChart::showCounts(const QList<qint64> &counts)
{
    resizeBars(counts.size());
    m_counts = counts;
    const QList<QBarSet *> sets = m_series->barSets();
    for (qsizetype k = 0; k < counts.size(); ++k) {
        const qreal height = qreal(counts.at(k));
        if (sets.at(k)->at(k) != height)
            sets.at(k)->replace(k, height);
        m_marks.at(k)->setText(QString::number(counts.at(k)));
    }
    fitAxis(counts);
    setNoteVisible(counts.isEmpty());
}

void BarCountChart::placeItems()
{
    CountChart::placeItems();
    const bool laidOut = m_chart->plotArea().isValid();
    for (qsizetype k = 0; k < m_marks.size() && k < m_counts.size(); ++k) {
        const qint64 count = m_counts.at(k);
        ValueMark *mark = m_marks.at(k);
        mark->setVisible(laidOut);
        if (laidOut)
            mark->setAnchor(m_chart->mapToPosition(QPointF(qreal(k), qreal(count)), m_series),
                            count < 0);
    }
}

QList<qreal> BarCountChart::values() const
{
    QList<qreal> heights;
    const QList<QBarSet *> sets = m_series->barSets();
    for (qsizetype k = 0; k < sets.size(); ++k)
        heights.append(sets.at(k)->at(k));
    return heights;
}

QStringList BarCountChart::markTexts() const
{
    QStringList texts;
    for (const ValueMark *mark : m_marks)
        texts.append(mark->text());
    return texts;
}

} // namespace abacolo
