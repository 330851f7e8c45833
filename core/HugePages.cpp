#include "HugePages.h"

#include <cstdint>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#else
#include <cstdlib>
#endif

namespace {
constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
}

void* MapHugePages(std::size_t bytes, bool populate)
{
#ifdef __linux__
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    madvise(memory, bytes, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    if (populate)
        madvise(memory, bytes, MADV_POPULATE_WRITE);
#endif
    return memory;
#else
    (void)populate;
    void* memory = std::calloc(bytes, 1);
    if (!memory)
        throw std::bad_alloc();
    return memory;
#endif
}

void UnmapHugePages(void* memory, std::size_t bytes)
{
#ifdef __linux__
    munmap(memory, bytes);
#else
    (void)bytes;
    std::free(memory);
#endif
}

void AdviseHugePages(void* memory, std::size_t bytes)
{
#ifdef __linux__
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)memory;
    (void)bytes;
#endif
}
