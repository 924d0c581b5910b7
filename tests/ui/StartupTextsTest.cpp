// The start-up texts: the English month name and the title for a given date.

#include <gtest/gtest.h>

#include "ui/settings/StartupTexts.h"

namespace pexabit {
namespace {

struct MonthCase {
    const char* Reason;
    const char* LocaleName;
    const char* Expected;
};

class EnglishMonthNameTest : public testing::TestWithParam<MonthCase> {};

TEST_P(EnglishMonthNameTest, TranslatesOnlyTheTwelveRussianNames) {
    EXPECT_EQ(EnglishMonthName(GetParam().LocaleName), GetParam().Expected) << GetParam().Reason;
}

INSTANTIATE_TEST_SUITE_P(
    Names, EnglishMonthNameTest,
    testing::Values(MonthCase{"first row", "Январь", "January"},
                    MonthCase{"last row", "Декабрь", "December"},
                    MonthCase{"the short name Май", "Май", "May"},
                    MonthCase{"English names pass unchanged", "December", "December"},
                    MonthCase{"lower case is not in the table", "декабрь", "декабрь"},
                    MonthCase{"genitive form is not in the table", "декабря", "декабря"},
                    MonthCase{"other languages pass unchanged", "Dezember", "Dezember"},
                    MonthCase{"empty stays empty", "", ""}));

struct TitleCase {
    const char* Reason;
    int Day;
    const char* Month;
    int Year;
    const char* Weekday;
    const char* Expected;
};

class FormTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(FormTitleTest, JoinsTheDateLineExactly) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(FormTitle(c.Day, c.Month, c.Year, c.Weekday), c.Expected) << c.Reason;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FormTitleTest,
    testing::Values(
        TitleCase{"the reference date", 5, "December", 2026, "Saturday",
                  "Tavrilendor       Pexabit v.1.00               Today: 5  December  2026 year  "
                  "Saturday"},
        TitleCase{"two-digit day, no leading zero anywhere", 31, "January", 2027, "Sunday",
                  "Tavrilendor       Pexabit v.1.00               Today: 31  January  2027 year  "
                  "Sunday"},
        TitleCase{"the weekday stays in the system's language", 5, "December", 2026, "суббота",
                  "Tavrilendor       Pexabit v.1.00               Today: 5  December  2026 year  "
                  "суббота"}));

TEST(AboutCaption, NameBlankVersion) { EXPECT_EQ(AboutCaption(), "Pexabit v.1.00"); }

}  // namespace
}  // namespace pexabit
