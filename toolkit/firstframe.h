#pragma once

#include <functional>

class QWidget;

namespace abacolo {

// Runs `work` in the event loop's turn after `window` has drawn its first frame (its first
// expose is handled, which paints it), or in the next turn if it is already on the screen:
// work that blocks for a while then never holds back a window the user is waiting for.
// Nothing runs if the window goes first.
void afterFirstFrame(QWidget *window, std::function<void()> work);

} // namespace abacolo
