#include "arith/PowerTables.h"

#include <vector>

namespace pexabit::limbs {

namespace {

// The largest powers whose products with a limb stay below 2^64: 5^13 = 1220703125 and
// 2^29 = 536870912, so that a power is built 13 or 29 factors at a time.
constexpr std::uint32_t FiveToThe13 = 1'220'703'125;
constexpr std::size_t FiveStep = 13;
constexpr std::uint32_t TwoToThe29 = 536'870'912;
constexpr std::size_t TwoStep = 29;

// base^0 ... base^TabledPowerLimit, one after another in one block.
struct PowerTable {
    std::vector<std::uint32_t> Data;
    std::vector<std::size_t> Start;  // Start[k] .. Start[k + 1] holds base^k

    explicit PowerTable(std::uint32_t base) {
        Limbs x{1};
        Start.reserve(TabledPowerLimit + 2);
        for (std::size_t k = 0; k <= TabledPowerLimit; ++k) {
            Start.push_back(Data.size());
            Data.insert(Data.end(), x.begin(), x.end());
            MultiplyAdd(x, base, 0);
        }
        Start.push_back(Data.size());
    }

    LimbSpan operator[](std::size_t k) const {
        return {Data.data() + Start[k], Start[k + 1] - Start[k]};
    }
};

Limbs ComputePower(std::size_t k, std::uint32_t base, std::uint32_t bigStep, std::size_t step) {
    Limbs x{1};
    for (; k >= step; k -= step) MultiplyAdd(x, bigStep, 0);
    for (; k > 0; --k) MultiplyAdd(x, base, 0);
    return x;
}

}  // namespace

LimbSpan PowerOfFive(std::size_t k, Limbs& scratch) {
    if (k <= TabledPowerLimit) {
        static const PowerTable table(5);  // built on first use; thread-safe initialisation
        return table[k];
    }
    scratch = ComputePower(k, 5, FiveToThe13, FiveStep);
    return scratch;
}

LimbSpan PowerOfTwoLimbs(std::size_t k, Limbs& scratch) {
    if (k <= TabledPowerLimit) {
        static const PowerTable table(2);
        return table[k];
    }
    scratch = ComputePower(k, 2, TwoToThe29, TwoStep);
    return scratch;
}

}  // namespace pexabit::limbs
