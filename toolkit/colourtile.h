#pragma once

#include "toolkit/panel.h"

namespace abacolo {

// A plain coloured tile: a panel drawn as a rounded square with a light outline, so that
// every colour, black included, stands out on a dark page.
class ColourTile : public Panel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourTile)

public:
    ColourTile(const QString &name, QWidget *parent, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace abacolo
