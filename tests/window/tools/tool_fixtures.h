// What the tools' tests share: a started main window and a small form.
#pragma once

#include "frame/tessomar.h"
#include "tools/form.h"

#include <string>

namespace tessomar::tools {

// The shape of a planning form, two fields and a line of results, saying
// exactly what it read.
class TwoValues : public FormTool {
public:
    explicit TwoValues(const Tessomar& main)
        : FormTool(main, kUnits, {{"Frequency", "&Frequency:", "Hz", "", ""}, {"Stroke", "&Stroke:", "", "1", ""}}) {
        start();
    }
    std::string title() const override { return titleOf("Two values"); }

protected:
    void update() override {
        field(1).unit = english() ? "in" : "mm";
        const auto f = number(0, 0.5, 2000), s = number(1, 0, 100);
        m_results.clear();
        if (f && s) m_results.push_back(std::to_string(*f) + " " + std::to_string(*s));
    }
};

// A started main window, on its Random screen with the focus in the first
// row's frequency when asked.
struct Screen {
    Tessomar w;
    explicit Screen(bool random = false) {
        w.twipsPerPixelX = 15.1f;
        w.load();
        w.activate();
        if (random) w.click(w.RandomButton);
    }
};

} // namespace tessomar::tools
