#pragma once
// What an operation shows, as plain data: the new text or caption of each control, named as the
// window names them ("Text7", "Label16", ...), in the order the window applies them.

#include <string>
#include <string_view>
#include <vector>

namespace pexabit {

struct ControlText {
    std::string Control;  // object name of the control
    std::string Text;     // its new text (text boxes) or caption (labels)
};

using ControlTexts = std::vector<ControlText>;

// The last text given to `control`, or nullptr when the operation does not touch it.
inline const std::string* FindControlText(const ControlTexts& texts, std::string_view control) {
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        if (it->Control == control) return &it->Text;
    }
    return nullptr;
}

}  // namespace pexabit
