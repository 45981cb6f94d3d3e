#include "CopyBuilder.h"

#include "host/Document.h"
#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"

#include <algorithm>
#include <optional>

CopyBuilder::CopyBuilder(const Sheet& sheet, const TCatalogue& catalogue, int copies,
                         std::uint32_t first, Prepare prepare, BuildProgress progress, int threads,
                         const QtApplicationGuard& application)
    : sheet_(sheet), catalogue_(catalogue), application_(application), prepare_(std::move(prepare)),
      progress_(std::move(progress)), done_(std::size_t(std::max(copies, 0)), false) {
    for (int i = 0; i < copies; ++i)
        copies_.push_back(std::make_unique<Copy>(first + std::uint32_t(i)));
    for (int t = 0; t < threads; ++t)
        threads_.emplace_back([this](const std::stop_token& stop) { work(stop); });
}

CopyBuilder::~CopyBuilder() {
    for (std::jthread& thread : threads_)
        thread.request_stop();
    threads_.clear(); // joins
}

int CopyBuilder::Threads(int copies) {
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::min(cores, copies);
}

void CopyBuilder::work(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
        std::size_t i = 0;
        {
            const std::lock_guard lock(mutex_);
            if (next_ >= copies_.size())
                return;
            i = next_++;
        }
        build(*copies_[i], stop);
        {
            const std::lock_guard lock(mutex_);
            done_[i] = true;
        }
        finished_.notify_all();
    }
}

void CopyBuilder::build(Copy& copy, const std::stop_token& stop) {
    // Everything the build draws, and the clocks it sets, come from this copy's generator.
    const TRandomScope scope(copy.generator);
    const BuildProgress progress = !progress_ ? BuildProgress{} : [this](int done, int total) {
        const std::lock_guard lock(progressMutex_);
        progress_(done, total);
    };
    try {
        copy.document = std::make_unique<TDocument>(catalogue_);
        if (prepare_)
            prepare_(*copy.document, copy.seed);
        // Titles are measured in the printed fonts, on a canvas of the copy's own thread, made
        // once the Qt application exists.
        std::optional<TQtMeasuringCanvas> measure;
        const TitleCanvas titleCanvas = [&]() -> TCanvas* {
            if (!application_.WaitStarted(stop))
                return nullptr;
            return &measure.emplace().Canvas();
        };
        copy.built = BuildDocument(sheet_, *copy.document, copy.error, progress, titleCanvas);
        // A sheet that drew nothing at random is the same for every seed: its corrected pages
        // give no seed to build it again.
        if (copy.built && copy.generator == TRandom(copy.seed))
            copy.document->ChangeOrigine({});
    } catch (...) {
        copy.exception = std::current_exception();
    }
}

std::unique_ptr<CopyBuilder::Copy> CopyBuilder::Take(int i) {
    const auto index = std::size_t(i);
    if (threads_.empty()) {
        build(*copies_.at(index), {});
    } else {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this, index] { return done_.at(index); });
    }
    std::unique_ptr<Copy> copy = std::move(copies_.at(index));
    if (copy->exception)
        std::rethrow_exception(copy->exception);
    return copy;
}
