#pragma once
// The bytes the heap holds for the program, for benchmarks that report
// memory per item. Counts the blocks the allocator maps on their own (large
// arrays) as well as its arenas', so it means something only in a build
// without sanitizers.

#include <malloc.h>

#include <cstddef>

inline std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}
