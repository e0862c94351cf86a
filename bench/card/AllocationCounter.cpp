#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <malloc.h>

extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
void *__libc_memalign(size_t alignment, size_t size);
void __libc_free(void *pointer);
}

namespace {

std::atomic<std::int64_t> g_current{0};
std::atomic<std::int64_t> g_peak{0};

void added(void *pointer)
{
    if (!pointer)
        return;
    const std::int64_t now = g_current.fetch_add(std::int64_t(malloc_usable_size(pointer)), std::memory_order_relaxed)
                             + std::int64_t(malloc_usable_size(pointer));
    std::int64_t seen = g_peak.load(std::memory_order_relaxed);
    while (now > seen && !g_peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
    }
}

void removed(void *pointer)
{
    if (pointer)
        g_current.fetch_sub(std::int64_t(malloc_usable_size(pointer)), std::memory_order_relaxed);
}

void *aligned(size_t alignment, size_t size)
{
    void *pointer = __libc_memalign(alignment, size);
    added(pointer);
    return pointer;
}

} // namespace

extern "C" {

void *malloc(size_t size)
{
    void *pointer = __libc_malloc(size);
    added(pointer);
    return pointer;
}

void *calloc(size_t count, size_t size)
{
    void *pointer = __libc_calloc(count, size);
    added(pointer);
    return pointer;
}

void *realloc(void *pointer, size_t size)
{
    removed(pointer);
    void *moved = __libc_realloc(pointer, size);
    if (moved)
        added(moved);
    else if (pointer && size != 0)
        added(pointer); // failed: the old block is still ours
    return moved;
}

void free(void *pointer)
{
    removed(pointer);
    __libc_free(pointer);
}

void *memalign(size_t alignment, size_t size) { return aligned(alignment, size); }
void *aligned_alloc(size_t alignment, size_t size) { return aligned(alignment, size); }
void *valloc(size_t size) { return aligned(4096, size); }
void *pvalloc(size_t size) { return aligned(4096, (size + 4095) & ~size_t(4095)); }

int posix_memalign(void **result, size_t alignment, size_t size)
{
    void *pointer = aligned(alignment, size);
    if (!pointer)
        return 12; // ENOMEM
    *result = pointer;
    return 0;
}

} // extern "C"

std::int64_t AllocationCounter::current()
{
    return g_current.load(std::memory_order_relaxed);
}

std::int64_t AllocationCounter::peak()
{
    return g_peak.load(std::memory_order_relaxed);
}

void AllocationCounter::resetPeak()
{
    g_peak.store(current(), std::memory_order_relaxed);
}
