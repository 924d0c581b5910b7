#include "arith/PowerTables.h"

#include <vector>

namespace pexabit::limbs {

namespace {

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

// base^k for k beyond the table, into out: the square of base^(k/2), times base when k is odd.
// The products of thousands of limbs take Karatsuba's.
void PowerBeyondTable(const PowerTable& table, std::uint32_t base, std::size_t k, Limbs& out) {
    Limbs half;
    if (k / 2 > TabledPowerLimit) PowerBeyondTable(table, base, k / 2, half);
    const LimbSpan h = k / 2 > TabledPowerLimit ? LimbSpan(half) : table[k / 2];
    Multiply(h, h, out);
    if (k % 2 == 1) MultiplyAdd(out, base, 0);
}

LimbSpan PowerOf(const PowerTable& table, std::uint32_t base, std::size_t k, Limbs& scratch) {
    if (k <= TabledPowerLimit) return table[k];
    PowerBeyondTable(table, base, k, scratch);
    return scratch;
}

}  // namespace

LimbSpan PowerOfFive(std::size_t k, Limbs& scratch) {
    static const PowerTable table(5);  // built on first use; thread-safe initialisation
    return PowerOf(table, 5, k, scratch);
}

LimbSpan PowerOfTwoLimbs(std::size_t k, Limbs& scratch) {
    static const PowerTable table(2);
    return PowerOf(table, 2, k, scratch);
}

}  // namespace pexabit::limbs
