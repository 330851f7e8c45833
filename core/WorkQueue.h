#pragma once
// Work handed from one thread to another: a producer runs in a thread of its
// own and puts items into a queue of bounded length, the calling thread takes
// them in order. When either side fails, the other stops, and the failure is
// thrown on the calling thread. Used where two stages of reading a workbook
// can work side by side on two cores.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

template <class T>
class TWorkQueue {
public:
    // The producer gets a function that puts an item and returns false once the
    // consumer wants no more.
    using TProducer = std::function<void(const std::function<bool(T)>& put)>;

    TWorkQueue(std::size_t capacity, TProducer producer) : capacity_(capacity)
    {
        thread_ = std::thread([this, producer = std::move(producer)] {
            try {
                producer([this](T item) { return Put(std::move(item)); });
            } catch (...) {
                std::lock_guard lock(mutex_);
                failure_ = std::current_exception();
            }
            std::lock_guard lock(mutex_);
            done_ = true;
            changed_.notify_all();
        });
    }

    // Stops the producer (it sees its next put refused) and waits for it.
    ~TWorkQueue()
    {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
            changed_.notify_all();
        }
        thread_.join();
    }

    TWorkQueue(const TWorkQueue&) = delete;
    TWorkQueue& operator=(const TWorkQueue&) = delete;

    // The next item; none once the producer has finished. Rethrows its failure.
    std::optional<T> Take()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !items_.empty() || done_; });
        if (!items_.empty()) {
            T item = std::move(items_.front());
            items_.pop_front();
            changed_.notify_all();
            return item;
        }
        if (failure_)
            std::rethrow_exception(failure_);
        return std::nullopt;
    }

private:
    bool Put(T item)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return items_.size() < capacity_ || stopped_; });
        if (stopped_)
            return false;
        items_.push_back(std::move(item));
        changed_.notify_all();
        return true;
    }

    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> items_;
    bool done_ = false, stopped_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};
