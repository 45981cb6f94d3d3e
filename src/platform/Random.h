// The process-wide random draws. Every random choice of an exercise goes through here so that
// one seed rebuilds a sheet and its answer key. The sequence is the classic linear congruential
// rand(): values 0..RAND_MAX_VL, the same on every platform.
#pragma once

#include <cstdint>

constexpr int RAND_MAX_VL = 0x7FFF;

// A generator with its own state, for a worker thread that must not share the global one.
// Seed and Next update the state atomically, so a generator shared by mistake stays free of
// data races (the interleaving of draws is then unspecified).
class TRandom {
public:
    explicit TRandom(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed);
    // Returns a value in [0..RAND_MAX_VL].
    int Next();
    // Returns a value in [0..n-1]; 0 when n <= 0.
    int Below(int n) { return n <= 0 ? 0 : Next() % n; }
    // Returns a value in [0, 1).
    double NextDouble() { return Next() / (RAND_MAX_VL + 1.0); }
    // Whether both stand at the same point of the sequence: a generator equal to a fresh one
    // of its seed has drawn nothing (or a whole period of 2^32 values). Not while either draws
    // on another thread.
    bool operator==(const TRandom& other) const;

private:
    std::uint32_t state_;
};

// The process-wide generator (user-interface thread). Seeded from the clock at start-up unless
// SeedRandom was called. On a thread inside a TRandomScope, the scope's generator instead.
TRandom& GlobalRandom();

// While it lives, GlobalRandom(), Random() and SeedRandom() on the creating thread use
// `generator`, so that documents built side by side on several threads each draw their own
// sequence, exactly as one thread would draw it after seeding the process-wide generator.
// Scopes nest; the generator must outlive whatever captured GlobalRandom() inside the scope.
class TRandomScope {
public:
    explicit TRandomScope(TRandom& generator);
    ~TRandomScope();
    TRandomScope(const TRandomScope&) = delete;
    TRandomScope& operator=(const TRandomScope&) = delete;

private:
    TRandom* previous_;
};
void SeedRandom(std::uint32_t seed);
// Seeds from the clock; returns the seed used, so a run can be reproduced.
std::uint32_t RandomizeFromClock();
// rand(): a value in [0..RAND_MAX_VL] from the process-wide generator.
int Random();
