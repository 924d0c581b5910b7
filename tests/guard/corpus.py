#!/usr/bin/env python3
"""The guard corpus: a fixed stream of inputs for pexabit-cli, one per line, written to stdout.

    corpus.py decimal | single | double

decimal: typed numbers of every accepted and refused form (both separators, signs, exponents of
every size and of their own, long digit strings, the infinity sign, ill-formed texts, bytes that
are not UTF-8, control bytes), the exact values, shortest forms and halfway points of random
Singles and Doubles of every class, and the overflow and underflow boundaries.
single / double: patterns of 8 / 16 hex digits of every class (zeros, subnormals, normals, the
largest values, the infinities, NaNs), in upper, lower and mixed case, and refused patterns.

The generator draws only from random.Random(seed).getrandbits, whose sequence is fixed across
Python versions, and computes exact values with decimal.Decimal, so the corpus is the same on
every machine.
"""
import decimal
import struct
import sys
from decimal import Decimal

SEED = 20250801
decimal.getcontext().prec = 2000  # every exact value below has fewer digits than this

rng_state = None


def bits(n):
    return rng_state.getrandbits(n)


def below(n):
    """A uniform integer in [0, n)."""
    while True:
        x = bits(max(1, n.bit_length()))
        if x < n:
            return x


def pick(seq):
    return seq[below(len(seq))]


def digits(n):
    return "".join(chr(48 + below(10)) for _ in range(n))


INFINITY = "\u221e"


def exact(value):
    """The exact decimal text of a float, no exponent: "0.1000000000000000055511151231257827..."."""
    return format(Decimal(value), "f")


def double_of(pattern):
    return struct.unpack(">d", pattern.to_bytes(8, "big"))[0]


def single_of(pattern):
    return struct.unpack(">f", pattern.to_bytes(4, "big"))[0]


def random_pattern(exponent_bits, fraction_bits):
    """A pattern of a random class: zero, subnormal, smallest or largest normal, normal, near one,
    infinity or NaN (the caller drops those it cannot use)."""
    top = (1 << exponent_bits) - 1
    kind = below(8)
    sign = bits(1)
    fraction = bits(fraction_bits)
    if kind == 0:
        exponent, fraction = 0, pick([0, 1, fraction, (1 << fraction_bits) - 1])
    elif kind == 1:
        exponent = 0
    elif kind == 2:
        exponent = pick([1, 2, top - 1, top - 2])
    elif kind == 3:
        exponent = (top >> 1) + below(8) - 4
    elif kind == 4:
        exponent, fraction = top, pick([0, 1, 1 << (fraction_bits - 1), fraction])
    else:
        exponent = below(top + 1)
    return (sign << (exponent_bits + fraction_bits)) | (exponent << fraction_bits) | fraction


def with_separator(text):
    return text.replace(".", pick([".", ","]))


def finite_double():
    while True:
        p = random_pattern(11, 52)
        if (p >> 52) & 0x7FF != 0x7FF:
            return p


def finite_single():
    while True:
        p = random_pattern(8, 23)
        if (p >> 23) & 0xFF != 0xFF:
            return p


def halfway(lower, upper):
    return format((Decimal(lower) + Decimal(upper)) / 2, "f")


def typed_number():
    """A text from the grammar of typed numbers, with the forms the window accepts and more."""
    out = pick(["", "", "+", "-"])
    out += "0" * pick([0, 0, 0, 1, 3]) + digits(pick([0, 1, 1, 2, 3, 5, 8, 17, 30]))
    if below(3):
        out += pick([".", ","]) + digits(pick([0, 1, 2, 5, 10, 25]))
    if below(2):
        out += pick(["e", "E"]) + pick(["", "+", "-"]) + digits(pick([0, 1, 1, 2, 3, 4, 5]))
        if below(12) == 0:
            out += pick(["e", "E", ",", ".", "e-"]) + digits(pick([0, 1, 2]))
    if below(15) == 0:
        cut = below(len(out) + 1)
        out = out[:cut] + pick([INFINITY, "+", "-", ",", ".", "e"]) + out[cut:]
    return out


ACCEPTED_ALPHABET = list("0123456789+-,.eE") + [INFINITY]
REFUSED = [" ", "\t", "a", "x", "E5x", "\"", "\\", "\x00", "\x01", "\x1f", "\x7f", "\u00e9", "\u0416",
           "\u20ac", "\U0001f600", "\u221f", "\ufffd", "'", "/", "inf", "nan", "0x1p3"]
RAW_REFUSED = [b"\xe2\x88", b"\xff", b"\xfe", b"\xc0\xb1", b"\xed\xa0\x80", b"\xf4\x90\x80\x80",
               b"\xf5\x80\x80\x80", b"\x80", b"\xe2\x88\x9e\x9e", b"\xc3", b"\xf0\x9f\x98"]


def refused_text():
    base = typed_number().encode()
    cut = below(len(base) + 1)
    if below(2):
        bad = pick(REFUSED).encode()
    else:
        bad = pick(RAW_REFUSED)
    return base[:cut] + bad + base[cut:]


def boundary_numbers():
    """Overflow and underflow edges of both formats, the 16-bit exponent edges, the length bound."""
    out = []
    max_single = single_of(0x7F7FFFFF)
    max_double = double_of(0x7FEFFFFFFFFFFFFF)
    for sign in ["", "-"]:
        out += [sign + halfway(max_single, 2.0 ** 128), sign + halfway(max_double, Decimal(2) ** 1024),
                sign + exact(max_single), sign + exact(max_double),
                sign + exact(2.0 ** -149), sign + exact(2.0 ** -1074),
                sign + format(Decimal(2) ** -1075, "f"), sign + format(Decimal(2) ** -150, "f")]
        for e in [38, 39, 45, 46, 308, 309, 323, 324, 325, 32767, 32768, 40000, 99999,
                  4194300, 4194301, 4194302, 4194303, 4194304, 99999999]:
            for mantissa in ["1", "3.4028235", "3.4028236", "1.7976931348623157", "1.7976931348623159",
                             "4.9", "2.4703282292062327", "2.4703282292062328", "7.006492", "1.401298"]:
                out += [sign + mantissa + "e" + str(e), sign + mantissa + "e-" + str(e)]
        out += [sign + "1e2e3", sign + "1e1e99999999999999999999", sign + "1e-99999999999999999999999",
                sign + "0e99999999", sign + "1e-32769", sign + "1e-32768", sign + INFINITY]
    return out


def long_texts():
    out = []
    for n in [100, 309, 310, 1000, 1074, 1075, 1100, 5000, 20000, 100000]:
        out.append(digits(n))
        out.append("0," + digits(n))
        out.append("-" + digits(n // 2) + "." + digits(n // 2) + "e-" + str(n // 3))
    out.append("0," + "7" * (1 << 20))
    out.append("1," + "0" * (1 << 20) + "1")
    out.append("9" * 400000 + "e-399990")
    return out


def decimal_corpus():
    lines = ["", "0", "-0", "+0", "0.1", "0,1", "-0.1", "1e39", "-1e39", "1e309", "-1e309", INFINITY,
             "-" + INFINITY, "5" + INFINITY, INFINITY + "1", "1,2,3", "1+2", "--", "-", "+", ",", ".", "e",
             "E", "e5", "5e", ",5", ",5e-1", "1e2,5", "1,e2", "0,001e3", "123,45e-5", "100e-2",
             "1e25e-1", "1e35e-1", "1e5e-1", "1e51e-2", "1e-15e-1", "1,2" + INFINITY + "3", "0,5e1,2",
             "12" + INFINITY + "e-1", INFINITY + "e-2", "0.1\r", "1e39\r", "\r"]
    lines += boundary_numbers()
    lines += long_texts()
    for _ in range(40000):
        lines.append(typed_number())
    for _ in range(15000):
        lines.append("".join(pick(ACCEPTED_ALPHABET) for _ in range(below(12))))
    for _ in range(12000):
        lines.append(refused_text())
    for _ in range(15000):  # exact values, as the hex buttons hand them over, and their neighbours
        d = double_of(finite_double())
        lines.append(with_separator(exact(d)))
        lines.append(with_separator(repr(d)))
    for _ in range(12000):
        f = single_of(finite_single())
        lines.append(with_separator(exact(f)))
        lines.append(with_separator("%.9e" % f))
    for _ in range(6000):  # ties: the Double from the text, the Single from the Double
        p = finite_double() & 0x7FEFFFFFFFFFFFFF
        lines.append(with_separator(halfway(double_of(p), double_of(p + 1))))
        q = finite_single() & 0x7F7FFFFF
        lines.append(with_separator(pick(["", "-"]) + halfway(single_of(q), single_of(q + 1))))
    for _ in range(8000):
        lines.append(with_separator("%.17g" % double_of(finite_double())))
    return lines


def hex_corpus(width):
    exponent_bits, fraction_bits = (8, 23) if width == 8 else (11, 52)
    top = (1 << exponent_bits) - 1
    sign_bit = 1 << (exponent_bits + fraction_bits)
    lines = []
    for sign in [0, sign_bit]:
        for fraction in [0, 1, 1 << (fraction_bits - 1), (1 << fraction_bits) - 1, 0x5A5A5 & ((1 << fraction_bits) - 1)]:
            for exponent in [0, 1, top - 1, top]:
                lines.append("%0*X" % (width, sign | (exponent << fraction_bits) | fraction))
    for _ in range(45000):
        text = "%0*X" % (width, random_pattern(exponent_bits, fraction_bits))
        case = below(6)
        lines.append(text.lower() if case == 0 else text if case > 1 else
                     "".join(c.lower() if bits(1) else c for c in text))
    for _ in range(6000):  # refused: wrong lengths, wrong characters, bytes that are not UTF-8
        text = "%0*X" % (width, bits(4 * width))
        kind = below(5)
        if kind == 0:
            lines.append(text[:below(width)] if bits(1) else text + text[:1 + below(4)])
        elif kind == 1:
            at = below(width)
            lines.append(text[:at] + pick(["G", "g", " ", "x", ".", "-", "\u00e9", INFINITY, "\t"]) + text[at + 1:])
        elif kind == 2:
            lines.append(pick(["0x", " ", "+", "-"]) + text[:width - 2] if bits(1) else "0x" + text)
        elif kind == 3:
            at = below(width)
            lines.append(text[:at].encode() + pick(RAW_REFUSED) + text[at + 1:].encode())
        else:
            lines.append(text[:width - 1] + pick([INFINITY, "\u00e9", "\U0001f600"]))
    return lines


def main():
    global rng_state
    import random
    mode = sys.argv[1]
    rng_state = random.Random(SEED + {"decimal": 0, "single": 1, "double": 2}[mode])
    lines = decimal_corpus() if mode == "decimal" else hex_corpus(8 if mode == "single" else 16)
    out = sys.stdout.buffer
    for line in lines:
        out.write(line if isinstance(line, bytes) else line.encode("utf-8", "surrogatepass"))
        out.write(b"\n")


if __name__ == "__main__":
    main()
