// Cutting long exact texts: one table, grouped by the fault each row would catch.
#include <gtest/gtest.h>

#include "report/CutDigits.h"

namespace pexabit {
namespace {

struct CutCase {
    const char* Reason;
    const char* Exact;
    std::size_t Keep;
    int Base;
    const char* Shown;
    std::size_t LeftOut;
};

const CutCase Cases[] = {
    // Texts that must come back whole.
    {"as many significant digits as kept: nothing to cut", "0.0001234", 4, 10, "0.0001234", 0},
    {"leading zeros are not significant digits", "0.00000000012", 2, 10, "0.00000000012", 0},
    {"a word is no number", "-inf", 1, 10, "-inf", 0},
    {"zero however long", "0.0000000000", 1, 10, "0.0000000000", 0},
    {"a binary text holds no 2", "10.12", 1, 2, "10.12", 0},
    // The count of digits left out and where the cut falls.
    {"double 0.1: 55 significant digits", "0.1000000000000000055511151231257827021181583404541015625", 10, 10,
     "0.1000000000... (45 more digits)", 45},
    {"the sign stays", "-1.25", 2, 10, "-1.2... (1 more digit)", 1},
    {"the point is not counted as a digit", "12.345", 3, 10, "12.3... (2 more digits)", 2},
    // A cut integer keeps its size visible.
    {"2^128 in scientific form", "340282366920938463463374607431768211456", 5, 10, "3.4028...e+38 (34 more digits)", 34},
    {"the trailing zeros of an integer are digits", "1000000", 1, 10, "1...e+6 (6 more digits)", 6},
    {"kept digits that end at the point", "123.456", 3, 10, "1.23...e+2 (3 more digits)", 3},
    {"base 2 writes its power of 2 after p", "100000", 2, 2, "1.0...p+5 (4 more digits)", 4},
    // A tiny fraction is not a screen of zeros.
    {"zeros beyond the kept digits", "0.000000123456", 3, 10, "1.23...e-7 (3 more digits)", 3},
    {"zeros within the kept digits stay plain", "0.000123456", 3, 10, "0.000123... (3 more digits)", 3},
    {"binary fraction, zeros within the kept digits", "-0.0001100110011", 4, 2, "-0.0001100... (6 more digits)", 6},
    {"binary fraction, zeros beyond them", "0.000001101", 2, 2, "1.1...p-6 (2 more digits)", 2},
    // A text the report already writes in scientific form.
    {"its exponent moves with the cut", "-1.2345e-20000", 2, 10, "-1.2...e-20000 (3 more digits)", 3},
    {"a scientific mantissa with leading zeros; exponent 0 is +0", "0.0125e+2", 2, 10, "1.2...e+0 (1 more digit)", 1},
};

TEST(CutDigits, Table) {
    for (const CutCase& c : Cases) {
        const CutText cut = CutDigits(c.Exact, c.Keep, c.Base);
        EXPECT_EQ(cut.Text, c.Shown) << c.Reason;
        EXPECT_EQ(cut.LeftOut, c.LeftOut) << c.Reason;
    }
}

}  // namespace
}  // namespace pexabit
