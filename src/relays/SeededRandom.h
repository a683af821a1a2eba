// A random sequence fixed by its seed on every system: the standard library's engines are, its
// distributions are not, so the draws from it are made here.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace marvola {

class SeededRandom
{
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_engine(seed)
    { }

    // Uniform in 0..n-1 (n > 0), without the bias of a plain modulo.
    std::uint64_t below(std::uint64_t n)
    {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
        std::uint64_t x;
        do
            x = m_engine();
        while (x >= limit);
        return x % n;
    }

    template<typename T> void shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[static_cast<std::size_t>(below(i))]);
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace marvola
