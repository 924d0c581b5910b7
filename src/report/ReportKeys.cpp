#include "report/ReportKeys.h"

namespace pexabit {

std::optional<ReportKey> FindReportKey(std::string_view name) {
    for (std::size_t i = 0; i < ReportKeyCount; ++i) {
        if (ReportKeyNames[i] == name) return static_cast<ReportKey>(i);
    }
    return std::nullopt;
}

std::string ReportKeyList() {
    std::string out;
    for (std::string_view name : ReportKeyNames) out.append(out.empty() ? "" : ", ").append(name);
    return out;
}

}  // namespace pexabit
