#pragma once
// The texts that start-up shows: the English month name and the window title.

#include <string>
#include <string_view>

namespace pexabit {

// The English name for one of the twelve Russian month names ("Декабрь" -> "December"); any
// other name is returned unchanged (the comparison is exact and case-sensitive).
std::string EnglishMonthName(std::string_view localeMonthName);

// The window title for a date: maker, 7 blanks, name and version, 15 blanks, "Today: ", the day
// without a leading zero, the month and year between double blanks, " year  " and the weekday.
// FormTitle(5, "December", 2026, "Saturday") ==
//   "Tavrilendor       Pexabit v.1.00               Today: 5  December  2026 year  Saturday"
std::string FormTitle(int day, std::string_view englishMonth, int year, std::string_view weekday);

// "Pexabit v.1.00": the caption of the About panel's label.
std::string AboutCaption();

}  // namespace pexabit
