#pragma once

class QWidget;

namespace abacolo {

// Start-up touches some ten megabytes of new heap. Each 4 KB page touched for the first time
// is a page fault, and in a virtual machine a fault costs microseconds: thousands of them were
// a sixth of start-up. Grown in one step and advised for 2 MB pages (where the system backs
// them), the heap takes a few faults instead. Once the window has drawn its first frame, the
// allocator's usual growth and trimming come back, so memory freed later goes back as before.
void growStartupHeap();
// Called once `window` is shown: the heap settles when it has drawn its first frame.
void settleStartupHeapAfterFirstFrame(QWidget *window);

} // namespace abacolo
