#include "format/ShortestDigits.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "arith/DecimalLimbs.h"
#include "arith/Powers.h"

namespace pexabit {

namespace {

// The rounding interval of v = c * 2^q in quarters of the last bit's weight, so that its bounds
// are integers: Lower, Middle (= v) and Upper times 2^Exponent, Exponent = q - 2. The upper
// neighbour is one ulp away (halfway: 2 quarters); the lower one too, except at a power of two
// above the smallest normal, where the exponent steps down and it is half an ulp away (halfway:
// 1 quarter). The width is then 2^q, or 3/4 * 2^q for that irregular case.
struct RoundingInterval {
    Bits128 Lower, Middle, Upper;
    int Exponent;
    bool Inclusive;  // an even significand: halfway points round to it, so they read back
    bool Irregular;
};

RoundingInterval IntervalOf(const StoredValue& v) {
    const bool irregular = v.Fraction == 0 && v.BiasedExponent > 1;
    const Bits128 middle = v.Significand << 2;
    return {middle - (irregular ? 1 : 2), middle, middle + 2, v.Exponent - 2, (v.Significand & 1) == 0,
            irregular};
}

// A bound of the interval in units of 10^k: x == Floor when Integer, else Floor < x < Floor + 1;
// HalfOrder is the sign of (x - Floor) - 1/2.
template <class U>
struct Scaled {
    U Floor;
    bool Integer;
    int HalfOrder;
};

// The chosen decimal: Digits * 10^(k + Step).
template <class U>
struct Choice {
    U Digits;
    int Step;
};

// Whether the integer n lies in the interval above `lower`, below `upper`.
template <class U>
bool AboveLower(const Scaled<U>& lower, U n, bool inclusive) {
    return lower.Floor < n || (inclusive && lower.Floor == n && lower.Integer);
}
template <class U>
bool BelowUpper(const Scaled<U>& upper, U n, bool inclusive) {
    return n < upper.Floor || (n == upper.Floor && (inclusive || !upper.Integer));
}

// The interval scaled by 10^-k, where k = floor(log10(width)) puts the scaled width in [1, 10):
// it holds at most one multiple of 10 and at least one integer.
// First the multiples of 10 nearest below and above the value: if one of them is in the
// interval, it has fewer significant digits than any integer that is not a multiple of 10
// (its trailing zeros are trimmed later), provided the value is at least 10. Below 10 the
// multiple 10 has one digit as the integers do, and the nearer integer wins.
// Else the integers just below and above the value: the one in the interval, or where both are,
// the nearer to the value, an exact tie going to the even one. Inlined into each path: as a call
// it costs the double's shortest text a tenth of its time.
template <class U>
[[gnu::always_inline]] inline Choice<U> ChooseShortest(const Scaled<U>& lower, const Scaled<U>& middle, const Scaled<U>& upper, bool inclusive) {
    const U s = middle.Floor;
    if (s >= 10) {
        const U tens = s / 10;
        const bool tensDown = AboveLower(lower, tens * 10, inclusive), tensUp = BelowUpper(upper, tens * 10 + 10, inclusive);
        assert(!(tensDown && tensUp));
        if (tensDown != tensUp) return {tensDown ? tens : tens + 1, 1};
    }
    const bool down = AboveLower(lower, s, inclusive), up = BelowUpper(upper, s + 1, inclusive);
    assert(down || up);
    if (down != up) return {down ? s : s + 1, 0};
    const bool roundUp = middle.HalfOrder > 0 || (middle.HalfOrder == 0 && (s & 1) != 0);
    return {roundUp ? s + 1 : s, 0};
}

// The power of ten in the interval, if any, for the one-digit fewest digits d = c * 10^j of the
// interval scaled by 10^-k (with more digits there is none: 10^m has a single digit itself). The
// interval spans less than a factor of 10 and holds d, so 10^m is 10^j or 10^(j + 1); it is
// never below 10^k, the width's own unit, as the value is at least the width.
template <class U>
std::optional<PowerInInterval> FindPowerInInterval(const Scaled<U>& lower, const Scaled<U>& middle, const Scaled<U>& upper,
                                                   bool inclusive, const ShortestDecimal& d, int k) {
    const auto holds = [&](U n) { return AboveLower(lower, n, inclusive) && BelowUpper(upper, n, inclusive); };
    for (const int power : {d.Exponent, d.Exponent + 1}) {
        assert(power >= k);
        assert(power - k < (sizeof(U) == sizeof(Bits128) ? 39 : 20));  // 10^(power - k) fits U
        const auto t = static_cast<U>(WidePowersOfTen[static_cast<std::size_t>(power - k)]);
        if (!holds(t)) continue;
        PowerInInterval p{power, middle.Floor < t, false};
        // 10^m - 1 in units of 10^k: for k >= 1 the bounds are multiples of 4 (the width is at
        // least 10, so the last bit weighs at least 16 and a bound a quarter of it) as is 10^m,
        // so a lower bound below 10^m lies below 10^m - 1 too. For k < 0 the interval is
        // narrower than 1 and holds no second integer.
        if (power >= 1 && k >= 1) p.IntegerBelow = lower.Floor < t;
        if (power >= 1 && k == 0) p.IntegerBelow = holds(t - 1);
        return p;
    }
    return std::nullopt;
}

// digits * 10^exponent with the trailing zero digits moved into the exponent; digits != 0.
template <class U>
ShortestDecimal StripTrailingZeros(U digits, int exponent) {
    assert(digits != 0);
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

// --- Fast path: the bounds times the 128-bit power of ten, in 64.64 fixed point. ---

// Significands up to binary64's 53 bits: bounds below 2^55, scaled bounds below 2^57 (the width
// scales below 10, the value stays within 13.4 times its significand), so the 64 integer bits
// of the fixed point hold them.
constexpr int FastPrecisionLimit = 53;

// floor(log10(2^q)) and floor(log10(3/4 * 2^q)), with log10(2) and -log10(3/4) as fractions of
// 2^41; exact for |q| <= 20000, far beyond every format's exponents.
int FloorLog10Pow2(int q) { return static_cast<int>((std::int64_t{q} * 661971961083) >> 41); }
int FloorLog10ThreeQuartersPow2(int q) {
    return static_cast<int>((std::int64_t{q} * 661971961083 - 274743187321) >> 41);
}

struct Fixed {
    Bits128 Value;
    bool Dropped;  // a set bit was shifted out
};

// (c * p) >> shift for 0 <= shift < 128, where the result fits 128 bits.
Fixed MultiplyShift(std::uint64_t c, Bits128 p, int shift) {
    const Bits128 low = Bits128{c} * static_cast<std::uint64_t>(p);
    const Bits128 high = Bits128{c} * static_cast<std::uint64_t>(p >> 64);
    const Bits128 top = high + (low >> 64);  // bits 64..191 of the product
    const auto bottom = static_cast<std::uint64_t>(low);
    if (shift < 64) {
        return {(top << (64 - shift)) | (bottom >> shift), (bottom & ((std::uint64_t{1} << shift) - 1)) != 0};
    }
    return {top >> (shift - 64), bottom != 0 || (top & LowBits(shift - 64)) != 0};
}

// The true scaled bound x = B * (P + d) * 2^(b + e2), d in [0, 1) the part of 10^-k below the
// table's floor P. The fixed point a cuts x below 2^-64 and leaves out B * d * 2^(b + e2) <=
// x * 2^-127 < 2^-70, so x lies in [a, a + 2^-63), and x == a only when nothing was cut. Within
// that reach of an integer or a half the products alone cannot decide.
constexpr std::uint64_t UncertainReach = 8;  // units of 2^-64, 2^-61 with room to spare
constexpr std::uint64_t Half = std::uint64_t{1} << 63;

// For 1 <= k the exponent e2 is at least k + 2, so x = B * 2^(e2 - k) / 5^k is a multiple of
// 5^-k: an x that is not an integer lies at least 5^-k from every integer, more than the
// uncertain reach while 5^k < 2^61, and it is never a half. There an x undecided near an integer
// is exactly that integer. (10^-k for k <= 0 is exact up to 10^55, and x == a is known; only
// bits shifted out, or larger powers, leave a bound undecided: then nullopt.)
constexpr int MaxSnappedPower = 26;

std::optional<Scaled<std::uint64_t>> ScaleFast(Bits128 bound, const DecimalPower& power, int shift, int k) {
    const Fixed f = MultiplyShift(static_cast<std::uint64_t>(bound), power.Significand, shift);
    const auto floor = static_cast<std::uint64_t>(f.Value >> 64);
    const auto fraction = static_cast<std::uint64_t>(f.Value);
    if (power.Exact && !f.Dropped) {
        return Scaled<std::uint64_t>{floor, fraction == 0, fraction < Half ? -1 : (fraction > Half ? 1 : 0)};
    }
    const bool nearInteger = fraction >= ~std::uint64_t{0} - UncertainReach;
    const bool nearHalf = fraction < Half && fraction >= Half - UncertainReach;
    if (!nearInteger && !nearHalf) return Scaled<std::uint64_t>{floor, false, fraction < Half ? -1 : 1};
    if (nearInteger && k >= 1 && k <= MaxSnappedPower) return Scaled<std::uint64_t>{floor + 1, true, -1};
    return std::nullopt;
}

// --- Exact path: the bounds written out in decimal with the limb arithmetic. ---

// The bounds times one scale in decimal digits, one bound at a time: each is written over the
// storage of the one before, which the thread keeps from value to value.
class BoundDigits {
public:
    explicit BoundDigits(limbs::LimbSpan scale) : scale_(scale) {}
    // bound * scale; the view holds until the next call.
    std::string_view Of(Bits128 bound) const {
        Storage& kept = Kept();
        limbs::Multiply(limbs::Limbs128(bound).View(), scale_, kept.Product);
        kept.Digits.assign(limbs::DecimalLength(kept.Product), '0');
        limbs::WriteDigits(kept.Product, kept.Digits.data(), kept.Digits.size());
        return kept.Digits;
    }

private:
    struct Storage {
        limbs::Limbs Product;
        std::string Digits;
    };
    static Storage& Kept() {
        thread_local Storage storage;
        return storage;
    }
    limbs::LimbSpan scale_;
};

// The integer of `digits` divided by 10^k: the digits above the last k, and what the last k
// (with leading zeros where there are fewer digits than k) say of the fraction.
Scaled<Bits128> ScaleExact(std::string_view digits, std::size_t k) {
    const std::size_t integerDigits = digits.size() > k ? digits.size() - k : 0;
    Bits128 floor = 0;
    for (std::size_t i = 0; i < integerDigits; ++i) floor = floor * 10 + static_cast<unsigned>(digits[i] - '0');
    const std::string_view fraction = digits.substr(integerDigits);
    const bool integer = k == 0 || fraction.find_first_not_of('0') == std::string_view::npos;
    if (integer || digits.size() < k) return {floor, integer, -1};
    const bool restZero = fraction.find_first_not_of('0', 1) == std::string_view::npos;
    const int half = fraction[0] < '5' ? -1 : (fraction[0] > '5' || !restZero ? 1 : 0);
    return {floor, false, half};
}

// The interval scaled through the 128-bit powers of ten, handed to `finish` with the exponent
// of its unit; nullopt where the products cannot decide (see ShortestCandidatesFast).
template <class Finish>
auto WithIntervalFast(const FloatFormat& format, const StoredValue& value, Finish finish)
    -> std::optional<decltype(finish(Scaled<std::uint64_t>{}, Scaled<std::uint64_t>{}, Scaled<std::uint64_t>{}, false, 0))> {
    if (format.Precision() > FastPrecisionLimit) return std::nullopt;
    const RoundingInterval r = IntervalOf(value);
    const int q = r.Exponent + 2;
    const int k = r.Irregular ? FloorLog10ThreeQuartersPow2(q) : FloorLog10Pow2(q);
    if (-k < MinTabledDecimalPower || -k > MaxTabledDecimalPower) return std::nullopt;
    const DecimalPower& power = PowerOfTen(-k);
    // bound * 2^e2 * 10^-k ~= bound * Significand * 2^(BinaryExponent + e2): keep 64 bits below
    // the point.
    const int shift = -(power.BinaryExponent + r.Exponent) - 64;
    assert(shift >= 0 && shift < 128);
    assert(k < 1 || r.Exponent >= k);
    const auto lower = ScaleFast(r.Lower, power, shift, k);
    const auto middle = ScaleFast(r.Middle, power, shift, k);
    const auto upper = ScaleFast(r.Upper, power, shift, k);
    if (!lower || !middle || !upper) return std::nullopt;
    assert(upper->Floor - lower->Floor <= 10);
    return finish(*lower, *middle, *upper, r.Inclusive, k);
}

// The same in exact decimal arithmetic, which always decides.
template <class Finish>
auto WithIntervalExact(const StoredValue& value, Finish finish) {
    const RoundingInterval r = IntervalOf(value);
    // Each bound is B * 2^e2: the integer B * 2^e2 when e2 >= 0, else B * 5^-e2 / 10^-e2. The
    // digits below are those integers, the bounds times 10^point.
    limbs::Limbs scratch;
    const auto power = static_cast<std::size_t>(std::abs(r.Exponent));
    const limbs::LimbSpan scale =
        r.Exponent < 0 ? limbs::PowerOfFive(power, scratch) : limbs::PowerOfTwoLimbs(power, scratch);
    const int point = r.Exponent < 0 ? -r.Exponent : 0;
    const BoundDigits digits(scale);
    const std::size_t k = digits.Of(r.Upper - r.Lower).size() - 1;  // floor(log10(width))
    const Scaled<Bits128> lower = ScaleExact(digits.Of(r.Lower), k);
    const Scaled<Bits128> middle = ScaleExact(digits.Of(r.Middle), k);
    const Scaled<Bits128> upper = ScaleExact(digits.Of(r.Upper), k);
    return finish(lower, middle, upper, r.Inclusive, static_cast<int>(k) - point);
}

// What the scaled interval gives: the fewest digits alone, or with the power of ten beside them.
const auto Fewest = [](const auto& lower, const auto& middle, const auto& upper, bool inclusive, int k) {
    const auto c = ChooseShortest(lower, middle, upper, inclusive);
    return StripTrailingZeros(c.Digits, k + c.Step);
};
const auto Candidates = [](const auto& lower, const auto& middle, const auto& upper, bool inclusive, int k) {
    const ShortestDecimal d = Fewest(lower, middle, upper, inclusive, k);
    return ShortestCandidates{d, d.Digits < 10 ? FindPowerInInterval(lower, middle, upper, inclusive, d, k) : std::nullopt};
};

}  // namespace

namespace detail {

std::optional<ShortestCandidates> ShortestCandidatesFast(const FloatFormat& format, const StoredValue& value) {
    return WithIntervalFast(format, value, Candidates);
}

ShortestCandidates ShortestCandidatesExact(const FloatFormat&, const StoredValue& value) {
    return WithIntervalExact(value, Candidates);
}

}  // namespace detail

namespace {

// The power of ten beside one-digit fewest digits, the interval scaled anew: out of line, as it
// is rare, and keeping the scaled interval for it slows the common path.
[[gnu::noinline]] std::optional<PowerInInterval> PowerBesideFewest(const FloatFormat& format, const StoredValue& value) {
    if (const auto fast = detail::ShortestCandidatesFast(format, value)) return fast->Power;
    return detail::ShortestCandidatesExact(format, value).Power;
}

}  // namespace

ShortestCandidates ShortestCandidatesOf(const FloatFormat& format, const StoredValue& value) {
    assert(value.Class == ValueClass::Normal || value.Class == ValueClass::Subnormal);
    const auto fast = WithIntervalFast(format, value, Fewest);
    const ShortestDecimal d = fast ? *fast : WithIntervalExact(value, Fewest);
    if (d.Digits >= 10) return {d, std::nullopt};
    return {d, PowerBesideFewest(format, value)};
}

}  // namespace pexabit
