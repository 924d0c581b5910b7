#include "arith/Powers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <limits>
#include <vector>

namespace pexabit {

namespace {

constexpr int SignificandBits = 128;
// 2^ReciprocalBits / 5^q keeps at least 128 bits for every tabled q: 5^400 has 929 bits.
constexpr std::size_t ReciprocalBits = 1088;

// 10^k = 2^k * 5^k: the top 128 bits of 5^k, padded with zeros while 5^k is shorter.
DecimalPower PositivePower(int k, const BigUnsigned& fivePower) {
    const auto length = static_cast<int>(fivePower.BitLength());
    if (length <= SignificandBits) {
        return {fivePower.Extract(0, SignificandBits) << (SignificandBits - length), k - (SignificandBits - length), true};
    }
    const auto cut = static_cast<std::size_t>(length - SignificandBits);
    return {fivePower.Extract(cut, SignificandBits), k + length - SignificandBits, !fivePower.AnyBitBelow(cut)};
}

// 10^-q = 2^-q / 5^q, with L the bit length of 5^q: floor(2^(L+127) / 5^q) lies in
// [2^127, 2^128). It is the top of reciprocal = floor(2^ReciprocalBits / 5^q), since
// floor(floor(a) / n) == floor(a / n) for every divisor met on the way.
DecimalPower NegativePower(int q, const BigUnsigned& fivePower, const BigUnsigned& reciprocal) {
    const auto length = static_cast<int>(fivePower.BitLength());
    assert(reciprocal.BitLength() == ReciprocalBits - static_cast<std::size_t>(length) + 1);
    return {reciprocal.Extract(reciprocal.BitLength() - SignificandBits, SignificandBits),
            -q - length - (SignificandBits - 1), false};
}

}  // namespace

std::array<DecimalPower, TabledDecimalPowerCount> detail::BuildDecimalPowerTable() {
    std::array<DecimalPower, TabledDecimalPowerCount> table{};
    BigUnsigned fivePower(1);
    BigUnsigned reciprocal(1);
    reciprocal.ShiftLeft(ReciprocalBits);
    for (int q = 0; q <= MaxTabledDecimalPower || q <= -MinTabledDecimalPower; ++q) {
        if (q <= MaxTabledDecimalPower) table[q - MinTabledDecimalPower] = PositivePower(q, fivePower);
        if (q > 0 && -q >= MinTabledDecimalPower) {
            table[-q - MinTabledDecimalPower] = NegativePower(q, fivePower, reciprocal);
        }
        fivePower.MultiplySmall(5);
        reciprocal.DivideSmall(5);
    }
    return table;
}

BigUnsigned FivePower(std::uint64_t k) {
    BigUnsigned r(1);
    for (; k >= WordPowerOfFiveExponent; k -= WordPowerOfFiveExponent) r.MultiplySmall(WordPowerOfFive);
    std::uint64_t rest = 1;
    for (; k > 0; --k) rest *= 5;
    r.MultiplySmall(rest);
    return r;
}

void MultiplyByPowerOfTen(BigUnsigned& x, std::uint64_t k) {
    constexpr std::uint64_t Chunk = WordPowersOfTen.size() - 1;
    for (; k >= Chunk; k -= Chunk) x.MultiplySmall(WordPowersOfTen[Chunk]);
    x.MultiplySmall(WordPowersOfTen[k]);
}

ScaledInteger FivePowerBound(std::int64_t k, std::size_t words, bool upper) {
    ScaledInteger x{BigUnsigned(1)};
    for (int bit = std::bit_width(static_cast<std::uint64_t>(k)); bit-- > 0;) {
        x.M = Multiply(x.M, x.M);
        x.Exponent *= 2;
        KeepWords(x, words, upper);
        if ((k >> bit) & 1) {
            x.M.MultiplySmall(5);
            KeepWords(x, words, upper);
        }
    }
    return x;
}

namespace limbs {

namespace {

// base^0 ... base^TabledPowerLimit, one after another in one block.
struct PowerTable {
    Limbs Data;  // the powers one after another, each normalised
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

// The powers beyond the table computed last on this thread, most recent first. A value's exact
// text, shortest text, ulp and error ask for 5^k or 2^k of a few nearby k (the stored exponent,
// less the trailing zeros, less one or two for the halves of an ulp), and a stream of values of
// one binade, or subnormals, asks for the same ones again: squaring each anew cost a third of
// the every-format report of an extended or quad value. A kept base^j a few steps below k
// gives base^k by one multiplication by a word, base^(k - j).
class RecentPowers {
public:
    // base^k into out from a kept power, moved to the front; false when none is near enough.
    bool Find(std::uint32_t base, std::size_t k, Limbs& out) {
        const std::size_t steps = WordSteps(base);
        const auto near = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
            return e.Base == base && e.K <= k && k - e.K <= steps;
        });
        if (near == entries_.end()) return false;
        std::rotate(entries_.begin(), near, near + 1);
        out.assign(entries_[0].Power.begin(), entries_[0].Power.end());
        if (entries_[0].K == k) return true;
        std::uint32_t step = 1;
        for (std::size_t j = entries_[0].K; j < k; ++j) step *= base;
        MultiplyAdd(out, step, 0);
        Keep(base, k, out);
        return true;
    }

    // Keeps base^k at the front in place of the least recently used one.
    void Keep(std::uint32_t base, std::size_t k, LimbSpan power) {
        std::rotate(entries_.begin(), entries_.end() - 1, entries_.end());
        entries_[0].Base = base;
        entries_[0].K = k;
        entries_[0].Power.assign(power.begin(), power.end());
    }

private:
    // The most factors of base in one 32-bit word: 13 fives, 31 twos.
    static std::size_t WordSteps(std::uint32_t base) {
        std::size_t steps = 0;
        for (std::uint64_t p = base; p <= std::numeric_limits<std::uint32_t>::max(); p *= base) ++steps;
        return steps;
    }

    struct Entry {
        std::uint32_t Base = 0;  // 0: empty
        std::size_t K = 0;
        Limbs Power;
    };
    std::array<Entry, RecentPowerCount> entries_;
};

LimbSpan PowerOf(const PowerTable& table, std::uint32_t base, std::size_t k, Limbs& scratch) {
    if (k <= TabledPowerLimit) return table[k];
    const bool kept = k <= KeptPowerLimit;
    thread_local RecentPowers recent;
    if (kept && recent.Find(base, k, scratch)) return scratch;
    PowerBeyondTable(table, base, k, scratch);
    if (kept) recent.Keep(base, k, scratch);
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

}  // namespace limbs

}  // namespace pexabit
