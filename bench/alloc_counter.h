#pragma once

#include <cstdint>

// Counts of heap allocations made by the whole process since it started. The
// bench programs that link alloc_counter.cpp replace the global operator new
// (every C++ allocation of the game) and, where the build allows it, malloc
// itself (which also catches the GL driver and SDL).

/// C++ allocations: every call of a global operator new.
std::uint64_t newCount();

/// C allocations: malloc, calloc and realloc calls, including those made by
/// operator new. 0 for ever when the build cannot count them (sanitizers).
std::uint64_t mallocCount();

/// Whether mallocCount counts anything in this build.
bool mallocCounted();
