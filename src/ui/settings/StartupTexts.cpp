#include "ui/settings/StartupTexts.h"

#include <array>
#include <utility>

#include "ui/settings/Settings.h"

namespace pexabit {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 12> RussianMonths = {{
    {"Январь", "January"},  {"Февраль", "February"}, {"Март", "March"},
    {"Апрель", "April"},    {"Май", "May"},          {"Июнь", "June"},
    {"Июль", "July"},       {"Август", "August"},    {"Сентябрь", "September"},
    {"Октябрь", "October"}, {"Ноябрь", "November"},  {"Декабрь", "December"},
}};

constexpr std::string_view MakerName = "Tavrilendor";

}  // namespace

std::string EnglishMonthName(std::string_view localeMonthName) {
    for (const auto& [russian, english] : RussianMonths) {
        if (russian == localeMonthName) return std::string(english);
    }
    return std::string(localeMonthName);
}

std::string FormTitle(int day, std::string_view englishMonth, int year, std::string_view weekday) {
    std::string title(MakerName);
    title += "       ";  // 7 blanks
    title += AboutCaption();
    title += "               Today: ";  // 15 blanks
    title += std::to_string(day);
    title += "  ";
    title += englishMonth;
    title += "  ";
    title += std::to_string(year);
    title += " year  ";
    title += weekday;
    return title;
}

std::string AboutCaption() {
    return std::string(ProgramNameText) + " " + std::string(ProgramVersionText);
}

}  // namespace pexabit
