#pragma once

#include <QtGlobal>
#include <cstddef>

// A small generator of pseudo-random numbers whose sequence depends on the seed alone, on every machine and
// with every standard library, so that a sample journal can be made again byte for byte.
class TSampleRandom {
public:
    explicit TSampleRandom(quint64 seed) : state_(seed) {}

    quint64 Next()
    {
        quint64 z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9u;
        z = (z ^ z >> 27) * 0x94D049BB133111EBu;
        return z ^ z >> 31;
    }
    // 0 .. n - 1, for n > 0.
    int Below(int n) { return int(Next() % quint64(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Percent(int chance) { return Below(100) < chance; }
    template <typename T, size_t N>
    const T &Pick(const T (&items)[N]) { return items[Below(int(N))]; }

private:
    quint64 state_;
};
