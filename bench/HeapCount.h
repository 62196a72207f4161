// Counts what the program asks of the heap, so that the benchmarks can report
// the engine's memory as the bytes it really allocates.
#pragma once

#include <cstddef>

// Bytes requested through operator new since the program started.
size_t HeapBytesRequested();
