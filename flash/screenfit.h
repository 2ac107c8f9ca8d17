#pragma once

class QWidget;

namespace abacolo {

// Scales the layout below `root` by multiply / divide: the position and size of every
// control, and every font a control sets itself (controls that inherit theirs follow their
// parent). Values are rounded to whole pixels.
void scaleLayout(QWidget *root, int multiply, int divide);

// Moves a top-level window so that as much of it as possible lies on its screen, its top-left
// corner first.
void keepOnScreen(QWidget *window);

} // namespace abacolo
