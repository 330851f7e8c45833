#pragma once
// Work with the print server runs on a thread of its own, so that the window
// keeps answering however long the server takes: the busy cursor shows at once,
// and when the wait lasts a box names the server and offers Cancel.

#include <atomic>
#include <functional>

enum class TPrintServerWait {
    Done,
    Cancelled,    // the user stopped waiting
    OutOfPatience // the work took longer than the caller would wait
};

// Runs `work` on a thread of its own and waits for it while the window's events
// go on; the user's input goes to the box alone. `stop` tells the work that
// nobody waits any more (Cancel, or `patienceMs` passed; 0 waits as long as the
// work takes): it then ends as soon as it can, and whatever it still produces
// must be kept alive by the work itself, since the caller has gone on. What the
// work throws is thrown again here when it ends while waited for.
TPrintServerWait WaitForPrintServer(std::function<void(const std::atomic<bool>& stop)> work, int patienceMs = 0);
