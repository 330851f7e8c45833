#pragma once
// Large memory in huge pages. Every first touch of a page costs a fault, and
// on a virtual machine a fault can cost microseconds: a million plates touch
// hundreds of megabytes, which in 4 KiB pages is tens of thousands of faults
// and in 2 MiB pages a few hundred.

#include <cstddef>

// Zeroed memory of `bytes` mapped on its own and asked for huge pages, its
// pages made present at once when `populate` (for memory filled in one go);
// throws std::bad_alloc when it cannot be had. Given back with UnmapHugePages.
void* MapHugePages(std::size_t bytes, bool populate = false);
void UnmapHugePages(void* memory, std::size_t bytes);

// A block of memory in huge pages, given back when it goes: a buffer that is
// written over and over costs one fault for each 2 MiB once.
class THugePageBlock {
public:
    explicit THugePageBlock(std::size_t bytes) : bytes_(bytes), memory_(static_cast<char*>(MapHugePages(bytes))) {}
    ~THugePageBlock() { UnmapHugePages(memory_, bytes_); }
    THugePageBlock(const THugePageBlock&) = delete;
    THugePageBlock& operator=(const THugePageBlock&) = delete;
    char* get() const { return memory_; }

private:
    std::size_t bytes_;
    char* memory_;
};

// Asks for huge pages for the whole 2 MiB pages inside a block not yet
// written, such as a container's storage just reserved; a hint, never an error.
void AdviseHugePages(void* memory, std::size_t bytes);

// Reserves room for `count` elements of a vector or string, in huge pages when
// the storage is new.
template <class Container>
void ReserveInHugePages(Container& container, std::size_t count)
{
    container.reserve(count);
    AdviseHugePages(container.data(), container.capacity() * sizeof(*container.data()));
}
