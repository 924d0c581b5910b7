#!/usr/bin/env python3
"""The corpus of the every-format report's guard: fixed streams of inputs for
pexabit-cli --format, one per line, written to stdout.

    format_corpus.py CORPUS [--bytes-le]     one corpus
    format_corpus.py --names                 the names of all corpora, one per line

Typed texts (run with --round in each mode):
  typed            every form the reader takes and refuses: decimals with "." and ",", signs,
                   exponents small, large and beyond every format's range, long digit strings,
                   C hex floats, infinities (words and the sign), NaNs with and without payloads,
                   ill-formed texts, bytes that are not UTF-8, control bytes, empty lines
  payloads         NaN, infinity and zero texts of every payload width, for lists of formats
  near-FORMAT      exact values of FORMAT, the halfway points between neighbours and texts just
                   above and below them, in plain decimal, scientific and hex float notation
  edge-FORMAT      FORMAT's overflow and underflow thresholds and the values around them, texts
                   rounded to few digits, and the NaN payloads that just fit and just do not
Stored patterns (run with --pattern, --bytes-le reverses the bytes of each accepted pattern
so that both byte orders read the same values):
  patterns-FORMAT  every pattern of the 8- and 16-bit formats; for the wider ones patterns of
                   every class, extended's noncanonical ones among them; every decoration the
                   reader takes (case, 0x, blanks) and patterns it refuses

FORMAT is half, bfloat16, single, double, extended, quad, e5m2 or e4m3.

The generator draws only from random.Random(seed).getrandbits, whose sequence is fixed across
Python versions, and computes exact values with integers and fractions.Fraction (decimal.Decimal
only to round a value to a few digits), so the corpus is the same on every machine. Each corpus
has a seed of its own: changing one leaves the others as they are.
"""
import decimal
import random
import signal
import sys
from fractions import Fraction

# The draws are the window guard's (corpus.py), from the generator each corpus seeds there.
import corpus as window_corpus
from corpus import below, bits, digits, pick

SEED = 20251206
if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)  # the exact texts of extended's and quad's extremes run to 16,500 digits

INFINITY = "\u221e"


class Format:
    """A binary format: exponent bits, stored fraction bits, whether the integer bit is stored
    (extended), and whether the top exponent field holds infinities and NaNs (every format but
    e4m3, whose only NaN is S.1111.111 and whose top field otherwise holds normal numbers)."""

    def __init__(self, name, exponent_bits, fraction_bits, integer_bit=False, ieee_top=True):
        self.name = name
        self.e = exponent_bits
        self.m = fraction_bits
        self.integer_bit = integer_bit
        self.ieee_top = ieee_top
        self.bias = (1 << (exponent_bits - 1)) - 1
        self.width = 1 + exponent_bits + fraction_bits + (1 if integer_bit else 0)
        self.top = (1 << exponent_bits) - 1
        # Magnitude codes: exponent field << m | fraction field, without sign and integer bit.
        # Consecutive codes are neighbouring values; max_code is the largest finite one.
        self.max_code = (self.top << self.m) - 1 if ieee_top else (self.top << self.m) | ((1 << self.m) - 2)

    def value(self, code):
        """The value of a magnitude code as a Fraction; max_code + 1 gives the value the next
        exponent would have (the overflow side of the largest finite value)."""
        exponent, fraction = code >> self.m, code & ((1 << self.m) - 1)
        if exponent == 0:
            return Fraction(fraction) * Fraction(2) ** (1 - self.bias - self.m)
        return Fraction((1 << self.m) | fraction) * Fraction(2) ** (exponent - self.bias - self.m)

    def hex_digits(self):
        return self.width // 4


FORMATS = [Format("half", 5, 10), Format("bfloat16", 8, 7), Format("single", 8, 23), Format("double", 11, 52),
           Format("extended", 15, 63, integer_bit=True), Format("quad", 15, 112), Format("e5m2", 5, 2),
           Format("e4m3", 4, 3, ieee_top=False)]
BY_NAME = {f.name: f for f in FORMATS}
WIDE = ["extended", "quad"]

def chance(n):
    """True once in n draws."""
    return below(n) == 0


# ---------------------------------------------------------------------------------------------
# Exact texts of values whose denominators have only the prime factors 2 and 5.

def plain(value):
    """The exact plain decimal text: "-0.000123", "65504", "0"."""
    sign = "-" if value < 0 else ""
    value = abs(value)
    num, den = value.numerator, value.denominator
    twos = (den & -den).bit_length() - 1
    den >>= twos
    # What is left must be a power of five; its bit length tells which one, give or take one.
    guess = int((den.bit_length() - 1) / 2.321928094887362)
    fives = [k for k in range(max(0, guess - 2), guess + 3) if 5 ** k == den]
    assert fives, "not a terminating decimal"
    fives = fives[0]
    places = max(twos, fives)
    scaled = num * 2 ** (places - twos) * 5 ** (places - fives)
    text = str(scaled)
    if places == 0:
        return sign + text
    text = text.rjust(places + 1, "0")
    whole, fraction = text[:-places], text[-places:].rstrip("0")
    return sign + whole + ("." + fraction if fraction else "")


def scientific(text):
    """A plain decimal text moved to scientific notation, every digit kept: "0.00125" gives
    "1.25e-3" (or with E, a "+" exponent sign)."""
    sign = ""
    if text[0] == "-":
        sign, text = "-", text[1:]
    whole, _, fraction = text.partition(".")
    whole = whole.lstrip("0")
    if whole:
        exponent, significant = len(whole) - 1, whole + fraction
    else:
        exponent = -(len(fraction) - len(fraction.lstrip("0")) + 1)
        significant = fraction.lstrip("0")
    significant = significant.rstrip("0")
    if not significant:
        return sign + "0e" + str(below(400))
    body = significant[0] + ("." + significant[1:] if len(significant) > 1 else "")
    mark = pick(["e", "e", "E"])
    exp_sign = "-" if exponent < 0 else pick(["", "", "+"])
    return sign + body + mark + exp_sign + str(abs(exponent))


def rounded(value, significant):
    """value rounded to a few significant digits (ties to even), scientific notation."""
    context = decimal.Context(prec=significant, rounding=decimal.ROUND_HALF_EVEN, Emax=10 ** 8, Emin=-10 ** 8)
    quotient = context.divide(decimal.Decimal(value.numerator), decimal.Decimal(value.denominator))
    return format(quotient, "e")


def hexfloat(value):
    """A C hex float equal to a dyadic value, in one of several spellings: normalised
    0x1.8p+1, an integer significand 0x3p-1, upper case."""
    sign = "-" if value < 0 else pick(["", "", "", "+"])
    value = abs(value)
    num, den = value.numerator, value.denominator
    assert den & (den - 1) == 0, "not dyadic"
    exponent = -(den.bit_length() - 1)
    if num == 0:
        text = pick(["0x0p+0", "0x0.0p-1", "0x.0p99999", "0x0p-16500"])
    elif chance(3):
        text = "0x%xp%+d" % (num, exponent) if bits(1) else "0x%xp%d" % (num, exponent)
    else:
        shift = num.bit_length() - 1
        exponent += shift
        fraction = num - (1 << shift)
        hex_fraction = "%0*x" % ((shift + 3) // 4, fraction << ((4 - shift % 4) % 4)) if shift else ""
        hex_fraction = hex_fraction.rstrip("0")
        text = "0x1" + ("." + hex_fraction if hex_fraction else pick(["", "", "."])) + "p%+d" % exponent
    if chance(4):
        text = text.upper()
    elif chance(6):
        text = text.replace("0x", "0X")
    return sign + text


def as_text(value, allow_hex=True):
    """A typed text of an exact value: plain decimal (either separator), scientific, or hex."""
    kind = below(6)
    if allow_hex and kind == 0 and value.denominator & (value.denominator - 1) == 0:
        return hexfloat(value)
    text = plain(value)
    if kind == 1:
        text = scientific(text)
    if bits(1):
        text = text.replace(".", ",")
    if value > 0 and chance(8):
        text = "+" + text
    return text


def nudged(value, up):
    """A value next to value in decimal: a few digits beyond value's last digit, up or down."""
    text = plain(abs(value))
    places = len(text.partition(".")[2]) + 1 + below(6)
    step = Fraction(1, 10 ** places)
    return value + step if up else value - step


def nudged_binary(value, up):
    """The same with a power of two, so that the text is a hex float."""
    den = value.denominator
    step = Fraction(1, den << (1 + below(24)))
    return value + step if up else value - step


# ---------------------------------------------------------------------------------------------
# Typed texts

def typed_number():
    """A text from the grammar of typed decimal numbers, with the forms the reader takes and more."""
    out = pick(["", "", "+", "-"])
    out += "0" * pick([0, 0, 0, 1, 3]) + digits(pick([0, 1, 1, 2, 3, 5, 8, 17, 30]))
    if below(3):
        out += pick([".", ","]) + digits(pick([0, 1, 2, 5, 10, 25]))
    if below(2):
        # Mostly exponents inside the double range, few beyond: near extended's and quad's
        # extremes each text costs milliseconds, and far below them a text such as 1e-80000,
        # rounded up to a format's smallest value, has an exact error of 80,000 digits in each
        # format (-4194303 costs most of a second).
        out += pick(["e", "E"]) + pick(["", "+", "-"]) + digits(4 if chance(40) else pick([0, 1, 1, 2, 2, 3, 3, 3]))
        if chance(12):
            out += pick(["e", "E", ",", ".", "e-", "p"]) + digits(pick([0, 1, 2]))
    if chance(15):
        cut = below(len(out) + 1)
        out = out[:cut] + pick([INFINITY, "+", "-", ",", ".", "e", "x", "p", "0x"]) + out[cut:]
    return out


def typed_hex():
    """A text from the grammar of C hex floats, with slips."""
    out = pick(["", "", "+", "-"]) + pick(["0x", "0x", "0X"])
    out += "".join(pick("0123456789abcdefABCDEF") for _ in range(pick([0, 1, 1, 2, 4, 8, 13, 16, 29])))
    if below(2):
        out += "." + "".join(pick("0123456789abcdef") for _ in range(pick([0, 1, 3, 13, 28])))
    if below(8):
        out += pick(["p", "p", "P"]) + pick(["", "+", "-"]) + digits(5 if chance(40) else pick([0, 1, 1, 2, 3, 3, 4]))
    if chance(12):
        cut = below(len(out) + 1)
        out = out[:cut] + pick(["x", "p", ".", ",", "g", " ", "-", "e"]) + out[cut:]
    return out


def nan_word():
    word = pick(["nan", "snan", "NaN", "NAN", "sNaN", "SNAN", "nAn"])
    out = pick(["", "", "-", "+"]) + word
    kind = below(6)
    if kind == 1:
        out += "(0x" + "%x" % bits(pick([1, 2, 4, 8, 9, 22, 51, 52, 62, 63, 111, 112, 128])) + ")"
    elif kind == 2:
        out += "(0x" + "0" * below(40) + "%X" % bits(pick([1, 2, 3])) + ")"
    elif kind == 3:
        out += pick(["(", "()", "(0x)", "(0x1", "(1)", "(0x1))", "( 0x1)", "(0x 1)", "(0xg)", "(-0x1)",
                     "(0x1)x", "x", "0x1", " (0x1)", "(0X2)", "(0x1.8)", "(0x1p1)"])
    return out


def infinity_word():
    word = pick(["inf", "INF", "Inf", "infinity", "Infinity", "INFINITY", "iNfInItY", INFINITY, INFINITY])
    out = pick(["", "", "-", "+"]) + word
    if chance(5):
        out += pick(["y", "ity", "1", INFINITY, "e5", ".", " x"])
    if chance(8):
        out = out[:below(len(out) + 1)]
    return out


ACCEPTED_ALPHABET = list("0123456789+-,.eEpPxX") + [INFINITY, "a", "f", "i", "n", "s", "t", "y", "(", ")"]
REFUSED = [" ", "\t", "g", "x", "E5x", "\"", "\\", "\x00", "\x01", "\x1f", "\x7f", "\u00e9", "\u0416", "\u20ac",
           "\U0001f600", "\u221f", "\ufffd", "\ufeff", "'", "/", "_", "0x", "(", ")", "inf", "nan", "\u00a0",
           "\u2212", "\uff11"]
RAW_REFUSED = [b"\xe2\x88", b"\xff", b"\xfe", b"\xc0\xb1", b"\xed\xa0\x80", b"\xf4\x90\x80\x80",
               b"\xf5\x80\x80\x80", b"\x80", b"\xe2\x88\x9e\x9e", b"\xc3", b"\xf0\x9f\x98", b"\xe0\x80\xaf"]


def refused_text():
    base = pick([typed_number, typed_hex, nan_word, infinity_word])().encode()
    cut = below(len(base) + 1)
    bad = pick(REFUSED).encode() if bits(1) else pick(RAW_REFUSED)
    return base[:cut] + bad + base[cut:]


def typed_corpus():
    # First a byte order mark before a number: each block is read from the start of standard
    # input, and the first block starts with it.
    lines = ["\ufeff0.1", "", " ", "\t", "  \t ", "\r", "0", "-0", "+0", "0.0", "-0,0", "00000", "0e0", "-0e-99999999",
             "0.1", "0,1", "-0.1", "+.5", "-,5", "5.", "5,", ".", ",", "-", "+", "--1", "+-1", "-+1", "1..2",
             "1,.2", "1.5.3", "1,5,3", "1e", "1e+", "1e-", "e5", "E5", "1e5e5", "1e2.5", "1e2,5", "1E-3",
             "1 5", " 1.5", "1.5 ", "\t1.5\t", " \t-1,5e3\t ", "1.5x", "0.1\r", "1e39\r",
             "1", "2", "3", "0.5", "0.25", "0.3", "1.1", "65504", "65505", "65519", "65520", "65521", "448",
             "464", "465", "480", "57344", "61440", "3.4028235e38", "3.4028236e38", "1.7976931348623157e308",
             "1.7976931348623158e308", "1.7976931348623159e308", "1e39", "-1e39", "1e309", "-1e309",
             "0.1e1", "10e-1", "100e-2", "0.001e3", "123,45e-5", "1e25e-1", "12" + INFINITY + "e-1",
             "1.0000000596046447753906251", "1.00000005960464477539062499999", "1.00000005960464477539062500000",
             "9007199254740993", "9007199254740992.5", "9007199254740993.0000000001", "18446744073709551617",
             "340282366920938463463374607431768211457", "4.9406564584124654e-324", "2.4703282292062327e-324",
             "2.4703282292062328e-324", "1.401298464324817e-45", "7.006492321624085e-46", "7.0064923216240862e-46",
             "5.960464477539063e-8", "2.9802322387695312e-8", "2.9802322387695313e-8", "6.103515625e-5",
             "6.097555160522461e-5", "1.1754943508222875e-38", "1.1754942106924411e-38", "2.2250738585072014e-308",
             "2.2250738585072011e-308", "3.6451995318824746e-4951", "1.18973149535723176502e4932",
             "1.18973149535723176508575932662800702e4932", "1.18973149535723176508575932662800713e4932",
             "6.4751751194380251109244389582276465525e-4966", "3.2e-4966", "3.3e-4966", "1e-4967",
             "1e4933", "-1e4933",
             "inf", "-inf", "+inf", "INF", "Inf", "infinity", "-Infinity", "INFINITY", "infinit", "infinityy",
             "in", "i", "infx", "inf inf", "-inf-", INFINITY, "-" + INFINITY, "+" + INFINITY, INFINITY * 2,
             "5" + INFINITY, INFINITY + "1", INFINITY + "e-2", "1,2" + INFINITY + "3",
             "nan", "-nan", "+nan", "NaN", "NAN", "snan", "-snan", "SNaN", "sNaN", "nan(0x0)", "nan(0x1)", "-nan(0x1)",
             "snan(0x1)", "snan(0x0)", "nan(0x)", "nan()", "nan(", "nan(1)", "nan(0x1", "nan(0xg)", "nanx", "na",
             "n", "s", "sn", "snan(0x7)", "nan(0X1F)", "nan (0x1)", "nan(0x1) ", " nan(0x1)", "nan(0x00000000000001)",
             "0x1p+0", "0x1p0", "0x1P0", "0X1P0", "0x1.8p+1", "-0x1.8p1", "+0x1.8p-1", "0x.8p1", "0x1.p3", "0x.p1",
             "0x1", "0x1.8", "0xp1", "0x", "0x1p", "0x1p+", "0x1p-", "0x1e", "0x1.8e+1", "0x1,8p1", "0x1.8p1.5",
             "0x1g", "0xx1p0", "00x1p0", "0x1p1p1", "0x0p0", "-0x0p0", "0x0.0000p-99999", "0x1p-1074", "-0x1p-1074",
             "0x1p-1075", "0x1.8p-1075", "0x1.0000000000001p-1075", "0x1p-149", "0x1p-150", "0x1.000002p-150",
             "0x1p-24", "0x1p-25", "0x1.004p-25", "0x1p-133", "0x1p-134", "0x1p-16445", "0x1p-16446", "0x1p-16494",
             "0x1p-16495", "0x1.8p-16495", "0x1p-16496", "0x1p+1023", "0x1.fffffffffffffp+1023",
             "0x1.fffffffffffff8p+1023", "0x1p+1024", "0x1p+16383", "0x1p+16384", "0x1.ffffffffffffffffp+16383",
             "0x1.ffffffffffffffffffffffffffff8p+16383", "0x1p+99999999", "0x1p-99999999",
             "0x1.fffffffffffffffffffffffffffffffffffffffffffffp+0", "0xffffffffffffffffffffffffffffffffffp-1",
             "0x000000000000000000001p0", "0x1.000000000000000000000000000000000000000000001p0",
             "0x1.8p+2147483647", "0x1.8p-2147483648", "0x1p9223372036854775807", "0x1p-9223372036854775808",
             "0x1p99999999999999999999"]
    mantissas = ["1", "9.99", "1.18973149535723176508575932662800702", "3.4028235", "6.5504",
                 "1.7976931348623157", "2.4703282292062327", "4.9406564584124654", "1.401298"]
    for sign in ["", "-"]:
        for e in [4, 5, 7, 8, 15, 16, 38, 39, 45, 46, 308, 309, 323, 324, 325]:
            for mantissa in mantissas:
                lines += [sign + mantissa + "e" + str(e), sign + mantissa + "e-" + str(e)]
        # Beyond the double range the exact texts of extended and quad grow long and cost
        # milliseconds: a few of those (their thresholds are in edge-extended and edge-quad).
        for e in [4932, 4933, 4951, 4966, 4967, 5000, 32768, 99999, 4194304, 99999999, 99999999999999999999]:
            lines.append(sign + pick(mantissas[:3]) + pick(["e", "e-"]) + str(e))
        lines += [sign + "1e4194304", sign + "1e-4194304", sign + "1e-99999999999999999999"]
    for n in [50, 100, 309, 310, 1000, 1075, 1100, 5000, 20000]:
        lines += [digits(n), "0," + digits(n), "-" + digits(n // 2) + "." + digits(n // 2) + "e-" + str(n // 3)]
    # Long texts; a 1 with 4194304 zeros has one significant digit, and 9e4194303 an error of
    # 4194304 digits in some modes, the most written out (texts with that many digits below the
    # point cost the report a second each, and stay out).
    lines += ["0," + "7" * (1 << 16), "1." + "0" * (1 << 16) + "1", "9" * 40000 + "e-39990",
              "0x" + "f" * 10000 + "p-40000", "0x1." + "0" * 30000 + "1p0", "1e-99999", "-1e-32768",
              "1" + "0" * 4194304, "9e4194303"]  # the largest exponent (the error alone has 4 MB in some modes)
    for _ in range(2400):
        lines.append(typed_number())
    for _ in range(500):
        lines.append(typed_hex())
    for _ in range(250):
        lines.append(nan_word())
    for _ in range(150):
        lines.append(infinity_word())
    for _ in range(500):
        lines.append("".join(pick(ACCEPTED_ALPHABET) for _ in range(below(12))))
    for _ in range(600):
        lines.append(refused_text())
    for _ in range(300):  # blanks, tabs and control bytes around and inside accepted texts
        text = pick([typed_number, typed_hex, nan_word, infinity_word])()
        lines.append(pick(["", " ", "\t", " \t", "\x0b", "\r", "\x0c"]) + text + pick(["", " ", "\t", "\t ", "\x0b"]))
    double = BY_NAME["double"]
    for _ in range(700):  # values of every size a double holds, as typed and as C writes them
        value = double.value(random_code(double)) * (-1 if bits(1) else 1)
        kind = below(4)
        lines.append(as_text(value) if kind == 0 else rounded(value, pick([1, 2, 3, 6, 9, 17, 21, 40]))
                     if kind < 3 else hexfloat(value))
    return lines


# ---------------------------------------------------------------------------------------------
# Values of one format

def random_code(f, wide_range=True):
    """A magnitude code of a random class: zero, subnormal, the smallest and largest subnormal and
    normal values, values near one, any finite value. Without wide_range only zero and exponents
    within 200 of the bias, which keeps extended's and quad's exact texts short."""
    mask = (1 << f.m) - 1
    fraction = bits(f.m)
    if not wide_range:
        kind = below(8)
        if kind == 0:
            return 0
        if kind < 4:
            return ((f.bias + below(16) - 8) << f.m) | pick([fraction, fraction, 0, mask, 1])
        return ((f.bias + below(400) - 200) << f.m) | fraction
    kind = below(10)
    if kind == 0:
        return pick([0, 1, 2, fraction, mask, mask - 1])
    if kind == 1:
        return (1 << f.m) | pick([0, 1, fraction])
    if kind == 2:
        return f.max_code - pick([0, 0, 1, 2, fraction])
    if kind in (3, 4):
        return ((f.bias + below(16) - 8) << f.m) | fraction
    if kind == 5:
        return fraction
    return below(f.max_code + 1)


def value_texts(f, code, sign):
    """The texts around one value: itself, the halfway point to the next value up, and values
    just above and below that point, in decimal or hex."""
    low, high = f.value(code), f.value(code + 1)
    s = -1 if sign else 1
    half = (low + high) / 2
    out = [as_text(s * low), as_text(s * half)]
    out.append(as_text(s * nudged(half, bits(1)), allow_hex=False))
    out.append(hexfloat(s * nudged_binary(half, bits(1))))
    if chance(3):
        out.append(rounded(s * low, pick([1, 2, 3, 4, 5, 8, 9, 12, 17, 21, 36])))
    return out


def near_corpus(f):
    lines = []
    if f.width <= 8:  # every value, both signs
        for code in range(f.max_code + 1):
            for sign in (0, 1):
                lines += value_texts(f, code, sign)
        return lines
    samples = {"half": 900, "bfloat16": 900, "single": 900, "double": 900, "extended": 300, "quad": 300}[f.name]
    for i in range(samples):
        # Extended and quad: the whole exponent range only for one value in a hundred (their
        # exact texts there run to thousands of digits and cost milliseconds each).
        code = random_code(f, wide_range=f.name not in WIDE or i % 100 == 0)
        lines += value_texts(f, code, bits(1))
    return lines


def nan_texts(f):
    """NaN and infinity texts for f: every payload width up to one more than f's NaNs carry."""
    payload_bits = f.m - 1
    out = ["nan", "-nan", "NaN", "snan", "-snan", "SNAN", "nan(0x0)", "-nan(0x0)", "nan(0x1)", "snan(0x1)",
           "nan(0x0001)", "snan(0x0)", "inf", "-inf", INFINITY, "-" + INFINITY, "Infinity", "-INFINITY"]
    for width in range(1, payload_bits + 2):
        ones = (1 << width) - 1
        out += ["nan(0x%x)" % ones, "-snan(0x%X)" % (1 << (width - 1)),
                "snan(0x%x)" % (ones if bits(1) else bits(width) | 1),
                "nan(0x%s%x)" % ("0" * below(5), bits(width) | (1 << (width - 1)))]
    return out


def edge_corpus(f):
    """The values where f's rounding changes character, each with its neighbourhood: texts of
    the value itself, just above and below it, and rounded to few digits. For extended and quad,
    whose values there have thousands of digits, one sign and fewer texts per value."""
    smallest = f.value(1)
    largest = f.value(f.max_code)
    beyond = f.value(f.max_code + 1)
    min_normal = f.value(1 << f.m)
    one_up = f.value((f.bias << f.m) + 1)
    points = [Fraction(0), smallest / 4, smallest / 2, smallest * 3 / 4, smallest, smallest * 3 / 2, smallest * 2,
              smallest * 5 / 2, f.value((1 << f.m) - 1), (f.value((1 << f.m) - 1) + min_normal) / 2, min_normal,
              f.value((1 << f.m) + 1), Fraction(1), one_up, (1 + one_up) / 2, f.value((f.bias << f.m) - 1),
              largest, f.value(f.max_code - 1), (largest + f.value(f.max_code - 1)) / 2, (largest + beyond) / 2,
              beyond, beyond * 2]
    wide = f.name in WIDE
    lines = []
    for point in points:
        for sign in ((1 - 2 * bits(1),) if wide else (1, -1)):
            value = sign * point
            if not point:
                lines += ["0", "-0", "0x0p+0", "-0x0p+0", "0e-99999"]
                continue
            lines += [plain(value), hexfloat(value)]
            if wide:  # one neighbour in decimal and one in hex, either side, one rounding
                lines += [plain(nudged(value, bits(1))), hexfloat(nudged_binary(value, bits(1))),
                          rounded(value, pick([1, 2, 3, 4, 5, 6, 8, 10, 17, 25, 36]))]
                continue
            lines += [scientific(plain(value)), plain(nudged(value, True)), plain(nudged(value, False)),
                      hexfloat(nudged_binary(value, True)), hexfloat(nudged_binary(value, False))]
            for significant in (1, 2, 3, 4, 5, 6, 8, 10, 17, 25):
                lines.append(rounded(value, significant))
    for point in (largest, beyond, smallest, min_normal):
        scale = rounded(point, 1)
        mantissa, _, exponent = scale.partition("e")
        for shift in (-1, 1):  # one decade beyond the thresholds in each direction
            lines += ["%se%d" % (mantissa, int(exponent) + shift), "-%se%d" % (mantissa, int(exponent) + shift)]
    lines += nan_texts(f)
    return lines


def payloads_corpus():
    """NaN, infinity and zero texts for lists of several formats: which format of the list a
    payload does not fit, and what the others make of it."""
    lines = []
    for f in FORMATS:
        lines += nan_texts(f)
    lines += ["0", "-0", "+0", "0x0p0", "-0x0p0", "0e99999999", "-0,000e-5", "nan(0x" + "0" * 40 + "1)",
              "nan(0x1" + "0" * 31 + ")", "nan(0x" + "f" * 33 + ")", "snan(0x" + "f" * 32 + ")"]
    return lines


# ---------------------------------------------------------------------------------------------
# Stored patterns

def random_pattern(f, wide_range):
    """A pattern of any class; for extended also the noncanonical ones (the integer bit that
    disagrees with the exponent field) and every combination of integer bit and field. Without
    wide_range no exponent field near 0 or the top but the top itself (infinities, NaNs),
    which keeps extended's and quad's exact texts short."""
    sign = bits(1)
    fraction = bits(f.m)
    top_fractions = [0, 1, 1 << (f.m - 1), (1 << (f.m - 1)) + 1, (1 << f.m) - 1, fraction]
    kind = below(10)
    if not wide_range:
        if kind == 0:
            exponent, fraction = 0, 0
        elif kind == 1:
            exponent, fraction = f.top, pick(top_fractions)
        elif kind < 5:
            exponent = f.bias + below(16) - 8
        else:
            exponent = f.bias + below(400) - 200
    elif kind == 0:
        exponent, fraction = 0, pick([0, 1, fraction, (1 << f.m) - 1])
    elif kind == 1:
        exponent = 0
    elif kind == 2:
        exponent = pick([1, 2, f.top - 1, f.top - 2])
    elif kind in (3, 4):
        exponent = f.bias + below(16) - 8
    elif kind == 5:
        exponent, fraction = f.top, pick(top_fractions)
    elif kind == 6:
        exponent = f.top
    else:
        exponent = below(f.top + 1)
    if f.integer_bit:
        integer = (1 if exponent else 0) if below(3) else bits(1)
        return (sign << 79) | (exponent << 64) | (integer << 63) | fraction
    return (sign << (f.width - 1)) | (exponent << f.m) | fraction


def fixed_patterns(f):
    """Every class at its edges, both signs; for extended each with either integer bit."""
    fractions = sorted({0, 1, 2, 1 << (f.m - 1), (1 << (f.m - 1)) + 1, (1 << (f.m - 1)) - 1, (1 << f.m) - 1,
                        (1 << f.m) - 2, 0x5A5A5A5A5A5A5A5A5A5A5A5A5A5A & ((1 << f.m) - 1)})
    exponents = sorted({0, 1, 2, f.bias - 1, f.bias, f.bias + 1, f.top - 2, f.top - 1, f.top})
    out = []
    for sign in (0, 1):
        for exponent in exponents:
            for fraction in fractions:
                if f.integer_bit:
                    for integer in (0, 1):
                        out.append((sign << 79) | (exponent << 64) | (integer << 63) | fraction)
                else:
                    out.append((sign << (f.width - 1)) | (exponent << f.m) | fraction)
    return out


def render(f, pattern, bytes_le, decoration):
    """An accepted pattern text: upper, lower or mixed case, 0x or 0X, blanks and tabs around.
    decoration is drawn before, so that both byte orders use the same one."""
    case, case_mask, prefix, before, after = decoration
    digits_ = f.hex_digits()
    if bytes_le:
        pattern = int.from_bytes(pattern.to_bytes(digits_ // 2, "big"), "little")
    text = "%0*X" % (digits_, pattern)
    if case == 1:
        text = text.lower()
    elif case == 2:
        text = "".join(c.lower() if (case_mask >> i) & 1 else c for i, c in enumerate(text))
    return before + prefix + text + after


def decoration():
    case = pick([0, 0, 0, 1, 2])
    return (case, bits(32), pick(["", "", "", "", "0x", "0X"]), pick(["", "", "", "", " ", "\t", "  "]),
            pick(["", "", "", "", " ", "\t", "\t "]))


def refused_pattern(f):
    digits_ = f.hex_digits()
    text = "%0*X" % (digits_, bits(4 * digits_))
    kind = below(7)
    if kind == 0:  # a digit short or one to four too many, with or without 0x
        wrong = text[:below(digits_)] if bits(1) else text + text[:1 + below(4)]
        return pick(["", "", "0x"]) + wrong
    if kind == 1:
        at = below(digits_)
        return text[:at] + pick(["G", "g", "x", "X", " ", ".", ",", "-", "+", "\u00e9", INFINITY, "\t", "\x00",
                                  "\x7f", "\ufeff"]) + text[at + 1:]
    if kind == 2:
        return pick(["+", "-", "x", "0", "00x", "0x0x", "#", "h"]) + text
    if kind == 3:
        at = below(digits_)
        return text[:at].encode() + pick(RAW_REFUSED) + text[at + 1:].encode()
    if kind == 4:
        return text + pick(["h", "H", "p0", ".0", "\x00", " x"])
    if kind == 5:
        at = 1 + below(digits_ - 1)
        return text[:at] + pick([" ", "\t", "_", ":"]) + text[at:]
    return pick(["", " ", "\t", "0x", "0X", "x", "-0", "nan", "inf", "1.5", "0x1p0", INFINITY, "\x01"])


def pattern_corpus(f, bytes_le):
    patterns = []
    if f.width <= 16:  # every pattern, in order
        patterns = list(range(1 << f.width))
        if f.width == 8:
            patterns *= 4  # each in four decorations
    else:
        patterns = fixed_patterns(f)
        count = {"single": 4000, "double": 4000, "extended": 2000, "quad": 1500}[f.name]
        for i in range(count):
            # Extended and quad: the whole exponent range for one pattern in a hundred.
            patterns.append(random_pattern(f, wide_range=f.name not in WIDE or i % 100 == 0))
    lines = []
    for pattern in patterns:
        lines.append(render(f, pattern, bytes_le, decoration()))
    refused = {8: 300, 16: 1000}.get(f.width, 800)
    for _ in range(refused):
        lines.append(refused_pattern(f))
    return lines


# ---------------------------------------------------------------------------------------------

CORPORA = ["typed", "payloads"] + ["near-" + f.name for f in FORMATS] + ["edge-" + f.name for f in FORMATS] + \
          ["patterns-" + f.name for f in FORMATS]


def corpus(name, bytes_le):
    window_corpus.rng_state = random.Random(SEED + 1000 * CORPORA.index(name))
    kind, _, format_name = name.partition("-")
    if name == "typed":
        return typed_corpus()
    if name == "payloads":
        return payloads_corpus()
    f = BY_NAME[format_name]
    if kind == "near":
        return near_corpus(f)
    if kind == "edge":
        return edge_corpus(f)
    return pattern_corpus(f, bytes_le)


def main():
    args = sys.argv[1:]
    if args == ["--names"]:
        print("\n".join(CORPORA))
        return
    if not args or args[0] not in CORPORA or args[1:] not in ([], ["--bytes-le"]):
        sys.exit("usage: format_corpus.py CORPUS [--bytes-le] | --names")
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # piped into head: no complaint
    out = sys.stdout.buffer
    for line in corpus(args[0], args[1:] == ["--bytes-le"]):
        out.write(line if isinstance(line, bytes) else line.encode("utf-8"))
        out.write(b"\n")


if __name__ == "__main__":
    main()
