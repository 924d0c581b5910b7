#pragma once
// The tool's scientific notation: one significant digit, ",", the other digits, "e+" or "e-"
// and the exponent. Pure text work: every digit survives.

#include <string>

namespace pexabit {

// s is a DecimalString or BinaryString, with or without its sign. When s lacks a sign, the
// caller's variable becomes "+" & s first (callers may rely on that and on nothing else).
// Writes over `out` (its storage reused; another string than s), for a magnitude of one or more: trailing zeros cut down to ",0" ("+100,0" gives
// "+1,0e+2"); below one: a run of trailing zeros cut to one zero before the comma moves
// ("+0,5" gives "+5,e-1", "+0,50" gives "+5,0e-1"); a zero comes back as itself ("+0,0",
// "-0,0"; "+0,000" gives "+0,0"). Input outside the domain (empty, or no digit right after the
// sign) is copied as it is, and the caller's variable is left alone.
void FormatScientific(std::string& s, std::string& out);

}  // namespace pexabit
