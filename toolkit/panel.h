#pragma once

#include <QColor>
#include <QWidget>

namespace abacolo {

// A plain panel (`Panel`): a filled area, with or without a single border line.
class Panel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Panel)

public:
    enum class Border { None, Single };

    Panel(const QString &name, QWidget *parent, const QColor &colour = Qt::black,
          Border border = Border::None);

    void setColor(const QColor &colour);
    QColor color() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    Border m_border;
};

} // namespace abacolo
