// The copies of a class set, built side by side: each copy's document is built from the sheet
// on one of as many threads as the machine has cores, drawing from a generator of its own seeded
// with the copy's seed, so that every copy is what a lone build with that seed gives. The copies
// are handed out in order, for drawing on the calling thread.
//
// The builds start at once, even before the Qt application: what a build does with Qt (measuring
// a page's title in the printed fonts) waits until the application guard has started it.
#pragma once

#include "sheet/SheetBuilder.h"

#include "platform/Random.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QtApplicationGuard;
class TCatalogue;
class TDocument;

class CopyBuilder {
public:
    struct Copy {
        explicit Copy(std::uint32_t s) : seed(s), generator(s) {}
        std::uint32_t seed;
        // The copy's draws: drawing its pages goes on with it. Its document may keep its address.
        TRandom generator;
        std::unique_ptr<TDocument> document;
        bool built = false;
        std::string error;
        std::exception_ptr exception;
    };
    // Prepares a copy's empty document (its origin) before it is built.
    using Prepare = std::function<void(TDocument& document, std::uint32_t seed)>;

    // Copy i has seed first + i, built on one of `threads` threads, or with none by Take on the
    // caller, once the application has started. The sheet, the catalogue, the application guard
    // and the hooks must outlive the builder; `progress` is called on the building threads, one
    // call at a time.
    CopyBuilder(const Sheet& sheet, const TCatalogue& catalogue, int copies, std::uint32_t first,
                Prepare prepare, BuildProgress progress, int threads,
                const QtApplicationGuard& application);
    // Lets the copies being built finish (a copy still waiting for the Qt application gives up)
    // and drops the rest.
    ~CopyBuilder();
    CopyBuilder(const CopyBuilder&) = delete;
    CopyBuilder& operator=(const CopyBuilder&) = delete;

    // Copy i once built, given to the caller (once; in any order). An exception thrown while
    // building it is thrown again here.
    std::unique_ptr<Copy> Take(int i);

    // The threads worth using for so many copies on this machine.
    static int Threads(int copies);

private:
    void work(const std::stop_token& stop);
    void build(Copy& copy, const std::stop_token& stop);

    const Sheet& sheet_;
    const TCatalogue& catalogue_;
    const QtApplicationGuard& application_;
    Prepare prepare_;
    BuildProgress progress_;
    std::vector<std::unique_ptr<Copy>> copies_;
    std::vector<bool> done_;
    std::size_t next_ = 0; // the next copy a thread takes up
    std::mutex mutex_;
    std::mutex progressMutex_;
    std::condition_variable finished_;
    std::vector<std::jthread> threads_; // last: joined before the rest goes
};
