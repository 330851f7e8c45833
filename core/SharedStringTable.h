#pragma once
// The shared strings of an Excel workbook, read in a thread of their own while
// the sheet that uses them is read in another: strings are added in order and
// never move, and a reader asking for one not yet read waits for it. A sheet
// refers to its strings roughly in the order they were written, so the two
// readings go side by side and a reader rarely waits.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

class TSharedStringTable {
public:
    TSharedStringTable();
    ~TSharedStringTable();
    TSharedStringTable(const TSharedStringTable&) = delete;
    TSharedStringTable& operator=(const TSharedStringTable&) = delete;

    // The reading thread's side. Add throws TStopped once the readers want no more.
    struct TStopped {};
    void Add(std::string_view text);
    // No more strings come; `failure` is what ended their reading early, if anything.
    void Finish(std::exception_ptr failure);

    // The readers' side: string `index` (from 0), once it is read; empty for an
    // index beyond the last. Throws what ended the reading early.
    std::string_view At(std::size_t index);
    // The readers want no more: the reading thread stops at its next string.
    void Stop() { stopped_ = true; }
    // Whether every string was read.
    bool Complete();

private:
    struct TEntry {
        const char* Data;
        std::size_t Size;
    };
    static constexpr std::size_t kChunk = std::size_t(1) << 16;  // entries a chunk of the index holds
    static constexpr std::size_t kChunks = std::size_t(1) << 14; // at most a billion strings
    static constexpr std::size_t kBlock = std::size_t(1) << 20;  // bytes a block of text holds

    const char* Keep(std::string_view text);
    std::string_view Waited(std::size_t index);

    std::unique_ptr<std::atomic<TEntry*>[]> chunks_;  // the index, a chunk at a time
    std::vector<std::unique_ptr<char[]>> blocks_;     // the texts; only the reading thread touches it
    std::size_t blockUsed_ = 0, blockSize_ = 0;
    std::atomic<std::size_t> count_{0};               // strings read and readable
    std::atomic<int> waiting_{0};                     // readers waiting for a string
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable added_;
    bool finished_ = false;
    std::exception_ptr failure_;
};
