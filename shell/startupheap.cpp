#include "shell/startupheap.h"

#include "toolkit/firstframe.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace abacolo {

namespace {

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
// More than start-up's own heap (some ten megabytes), taken in one step.
constexpr std::size_t StartupReserve = 24u << 20;
constexpr std::size_t LargePage = 2u << 20;
// Start-up fills more than this much of the new heap: advised no further, no large page is
// left mostly empty.
constexpr std::size_t LargePaged = 8u << 20;
// The allocator's own defaults, set back once start-up is over.
constexpr int DefaultTopPad = 128 * 1024;
constexpr int DefaultTrimThreshold = 128 * 1024;

void growHeap()
{
    // Until settled: the heap grows by the reserve in one step and keeps what is freed.
    if (mallopt(M_TOP_PAD, int(StartupReserve)) == 0
        || mallopt(M_TRIM_THRESHOLD, int(2 * StartupReserve)) == 0)
        return; // an allocator of its own (a sanitizer's) keeps its ways
    auto *before = static_cast<char *>(sbrk(0));
    // Blocks under the allocator's mapping threshold come from the heap: once the free space
    // at its top is used up, the next one makes it grow.
    std::array<void *, 16> blocks{};
    std::size_t taken = 0;
    while (taken < blocks.size() && static_cast<char *>(sbrk(0)) == before) {
        blocks[taken] = std::malloc(64 * 1024);
        if (!blocks[taken])
            break;
        ++taken;
    }
    auto *after = static_cast<char *>(sbrk(0));
    const auto start = (reinterpret_cast<std::uintptr_t>(before) + LargePage - 1) & ~(LargePage - 1);
    const auto end = std::min(reinterpret_cast<std::uintptr_t>(after) & ~(LargePage - 1),
                              start + LargePaged);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
    for (std::size_t i = 0; i < taken; ++i)
        std::free(blocks[i]);
}

void settleHeap()
{
    mallopt(M_TOP_PAD, DefaultTopPad);
    mallopt(M_TRIM_THRESHOLD, DefaultTrimThreshold);
}
#else
void growHeap() {}
void settleHeap() {}
#endif

} // namespace

void growStartupHeap()
{
    growHeap();
}

void settleStartupHeapAfterFirstFrame(QWidget *window)
{
    afterFirstFrame(window, settleHeap);
}

} // namespace abacolo
