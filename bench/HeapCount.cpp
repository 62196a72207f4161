// The global allocation functions, replaced by ones that count the bytes
// asked for and otherwise do what the library's own do.
#include "HeapCount.h"

#include <cstdlib>
#include <new>

namespace {

size_t requested = 0;

void* Allocate(size_t n) noexcept
{
    requested += n;
    return std::malloc(n ? n : 1);
}

}  // namespace

size_t HeapBytesRequested()
{
    return requested;
}

void* operator new(size_t n)
{
    if (void* p = Allocate(n))
        return p;
    throw std::bad_alloc();
}

void* operator new[](size_t n)
{
    return operator new(n);
}

void* operator new(size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n);
}

void* operator new[](size_t n, const std::nothrow_t&) noexcept
{
    return Allocate(n);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, size_t) noexcept
{
    std::free(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
