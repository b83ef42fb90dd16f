#pragma once

#include "tools/form.h"

#include <optional>
#include <utility>

namespace tessomar::tools {

// A form over a sweep's range: its first two fields, From and To in Hz.
class RangeForm : public FormTool {
protected:
    using FormTool::FormTool;
    // Both frequencies, the start below the end; otherwise none, and the
    // fields say why.
    std::optional<std::pair<double, double>> range();
};

// How long a sine sweep takes at a rate, or the rate that takes a time; the
// cycles in it, and the total for a number of sweeps.
class Sweep : public RangeForm {
public:
    explicit Sweep(const Tessomar& main);
    std::string title() const override { return titleOf("Sweep"); }

protected:
    void update() override;
};

} // namespace tessomar::tools
