#pragma once
// The command button of the graphical style, as the three conversion buttons are: it shows the
// colour set on it (its palette's Button colour) as a flat face, and its caption in the
// button-text colour whether or not it is enabled, so the busy state reads light red with a
// black "wait". With the application's button-face colour it is the style's ordinary button.

#include <QPushButton>

namespace pexabit {

class GraphicalButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pexabit
