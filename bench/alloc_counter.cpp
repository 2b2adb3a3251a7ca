// Replacement allocation functions that count their calls. Counters are
// atomic because the GL driver allocates from its own threads.
#include "alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::uint64_t> gNewCalls{0};
std::atomic<std::uint64_t> gMallocCalls{0};

void* allocate(std::size_t size)
{
    gNewCalls.fetch_add(1, std::memory_order_relaxed);
    if (size == 0) size = 1;
    if (void* p = std::malloc(size)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t align)
{
    gNewCalls.fetch_add(1, std::memory_order_relaxed);
    const auto alignment = static_cast<std::size_t>(align);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (void* p = std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded)) return p;
    throw std::bad_alloc();
}

}  // namespace

std::uint64_t newCount()
{
    return gNewCalls.load(std::memory_order_relaxed);
}

#ifdef BENCH_COUNT_MALLOC
// glibc's own entry points; defining malloc here puts every allocation of the
// process, shared libraries included, through these counters first.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

void* malloc(std::size_t size)
{
    gMallocCalls.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    gMallocCalls.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* p, std::size_t size)
{
    gMallocCalls.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}
}

bool mallocCounted()
{
    return true;
}
#else
bool mallocCounted()
{
    return false;
}
#endif

std::uint64_t mallocCount()
{
    return gMallocCalls.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t align)
{
    return allocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align)
{
    return allocateAligned(size, align);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
