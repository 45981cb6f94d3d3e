#include "platform/Random.h"

#include <atomic>
#include <chrono>
#include <utility>

namespace {

std::uint32_t clockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto value = static_cast<std::uint64_t>(ticks);
    return std::uint32_t(value ^ (value >> 32));
}

// The generator of the calling thread's innermost TRandomScope, if any.
thread_local TRandom* scoped = nullptr;

} // namespace

void TRandom::Seed(std::uint32_t seed) {
    std::atomic_ref<std::uint32_t>(state_).store(seed, std::memory_order_relaxed);
}

int TRandom::Next() {
    std::atomic_ref<std::uint32_t> state(state_);
    std::uint32_t current = state.load(std::memory_order_relaxed);
    std::uint32_t next = 0;
    do {
        next = current * 214013u + 2531011u;
    } while (!state.compare_exchange_weak(current, next, std::memory_order_relaxed));
    return int((next >> 16) & RAND_MAX_VL);
}

bool TRandom::operator==(const TRandom& other) const {
    return state_ == other.state_;
}

TRandom& GlobalRandom() {
    if (scoped != nullptr)
        return *scoped;
    static TRandom generator(clockSeed());
    return generator;
}

TRandomScope::TRandomScope(TRandom& generator) : previous_(std::exchange(scoped, &generator)) {}

TRandomScope::~TRandomScope() {
    scoped = previous_;
}

void SeedRandom(std::uint32_t seed) {
    GlobalRandom().Seed(seed);
}

std::uint32_t RandomizeFromClock() {
    const std::uint32_t seed = clockSeed();
    SeedRandom(seed);
    return seed;
}

int Random() {
    return GlobalRandom().Next();
}
