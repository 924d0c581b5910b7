#include "arith/FiveValuation.h"

#include <bit>
#include <vector>

#include "arith/Powers.h"

namespace pexabit {

namespace {

// Big integers are taken apart in digits of base 5^27, the largest power of five in a word.
constexpr std::uint64_t FiveChunk = WordPowerOfFive;
constexpr std::int64_t FiveChunkPower = WordPowerOfFiveExponent;

// x mod 5^(27 * chunks): its lowest `chunks` digits in base 5^27, put together again.
BigUnsigned ReduceModFivePower(BigUnsigned x, std::int64_t chunks) {
    std::vector<std::uint64_t> digits;
    for (std::int64_t i = 0; i < chunks && !x.IsZero(); ++i) digits.push_back(x.DivideSmall(FiveChunk));
    BigUnsigned r;
    for (std::size_t i = digits.size(); i-- > 0;) {
        r.MultiplySmall(FiveChunk);
        r.AddSmall(digits[i]);
    }
    return r;
}

// 2^k mod 5^(27 * chunks), by square and multiply from the top bit of k.
BigUnsigned TwoPowerModFivePower(std::int64_t k, std::int64_t chunks) {
    BigUnsigned r(1);
    for (int bit = std::bit_width(static_cast<std::uint64_t>(k)); bit-- > 0;) {
        r = ReduceModFivePower(Multiply(r, r), chunks);
        if ((k >> bit) & 1) {
            r.ShiftLeft(1);
            r = ReduceModFivePower(r, chunks);
        }
    }
    return r;
}

}  // namespace

std::int64_t FiveValuation(BigUnsigned x, std::int64_t cap) {
    std::int64_t count = 0;
    while (count < cap) {
        std::uint64_t rest = x.DivideSmall(FiveChunk);
        if (rest == 0) {
            count += FiveChunkPower;
            continue;
        }
        for (; rest % 5 == 0; rest /= 5) ++count;
        break;
    }
    return count < cap ? count : cap;
}

std::int64_t FiveValuationOfDifference(const BigUnsigned& h, std::int64_t k, const BigUnsigned& s, std::int64_t cap) {
    // x mod 5^27 first, one pass over h; a remainder of zero (rare but possible) needs the power
    // of five past the cap.
    const std::int64_t wholeChunks = cap / FiveChunkPower + 1;
    for (const std::int64_t chunks : {std::int64_t{1}, wholeChunks}) {
        const BigUnsigned hr = ReduceModFivePower(h, chunks), sr = ReduceModFivePower(s, chunks);
        BigUnsigned x = ReduceModFivePower(Multiply(hr, TwoPowerModFivePower(k, chunks)), chunks);
        if (Compare(x, sr) < 0) {  // x - sr + 5^(27 chunks)
            BigUnsigned gap = sr;
            gap.Subtract(x);
            x = FivePower(static_cast<std::uint64_t>(chunks * FiveChunkPower));
            x.Subtract(gap);
        } else {
            x.Subtract(sr);
        }
        if (!x.IsZero()) return FiveValuation(x, cap);
    }
    return cap;
}

}  // namespace pexabit
