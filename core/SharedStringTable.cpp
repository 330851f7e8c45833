#include "SharedStringTable.h"

#include <algorithm>
#include <chrono>
#include <cstring>

TSharedStringTable::TSharedStringTable() : chunks_(new std::atomic<TEntry*>[kChunks]) {}

TSharedStringTable::~TSharedStringTable()
{
    for (std::size_t c = 0; c < kChunks && chunks_[c].load(); ++c)
        delete[] chunks_[c].load();
}

const char* TSharedStringTable::Keep(std::string_view text)
{
    if (blocks_.empty() || text.size() > blockSize_ - blockUsed_) {
        blockSize_ = std::max(kBlock, text.size());
        blocks_.push_back(std::unique_ptr<char[]>(new char[blockSize_]));
        blockUsed_ = 0;
    }
    char* kept = blocks_.back().get() + blockUsed_;
    if (!text.empty())
        std::memcpy(kept, text.data(), text.size());
    blockUsed_ += text.size();
    return kept;
}

void TSharedStringTable::Add(std::string_view text)
{
    if (stopped_.load(std::memory_order_relaxed))
        throw TStopped();
    const std::size_t index = count_.load(std::memory_order_relaxed);
    if (index == kChunk * kChunks)
        throw TStopped(); // more strings than a sheet can use
    TEntry* chunk = chunks_[index / kChunk].load(std::memory_order_relaxed);
    if (!chunk) {
        chunk = new TEntry[kChunk];
        chunks_[index / kChunk].store(chunk, std::memory_order_release);
    }
    chunk[index % kChunk] = {Keep(text), text.size()};
    count_.store(index + 1, std::memory_order_seq_cst);
    if (waiting_.load(std::memory_order_seq_cst) > 0) {
        std::lock_guard lock(mutex_);
        added_.notify_all();
    }
}

void TSharedStringTable::Finish(std::exception_ptr failure)
{
    std::lock_guard lock(mutex_);
    finished_ = true;
    failure_ = failure;
    added_.notify_all();
}

std::string_view TSharedStringTable::At(std::size_t index)
{
    if (index < count_.load(std::memory_order_acquire)) {
        const TEntry& entry = chunks_[index / kChunk].load(std::memory_order_acquire)[index % kChunk];
        return std::string_view(entry.Data, entry.Size);
    }
    return Waited(index);
}

std::string_view TSharedStringTable::Waited(std::size_t index)
{
    std::unique_lock lock(mutex_);
    waiting_.fetch_add(1, std::memory_order_seq_cst);
    while (index >= count_.load(std::memory_order_seq_cst) && !finished_)
        added_.wait_for(lock, std::chrono::milliseconds(10));
    waiting_.fetch_sub(1, std::memory_order_seq_cst);
    if (failure_)
        std::rethrow_exception(failure_);
    lock.unlock();
    if (index >= count_.load(std::memory_order_acquire))
        return {};
    return At(index);
}

bool TSharedStringTable::Complete()
{
    std::lock_guard lock(mutex_);
    return finished_ && !failure_;
}
