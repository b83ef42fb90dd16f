#pragma once

#include "tools/sweep.h"

namespace tessomar::tools {

// A sine test as standards write it: a displacement, velocity or
// acceleration, each optional, the least of them at each frequency; its
// segments, crossovers and peaks, in the main window's units.
class SineProfile : public RangeForm {
public:
    explicit SineProfile(const Tessomar& main);
    std::string title() const override { return titleOf("Sine profile"); }

protected:
    void update() override;
};

} // namespace tessomar::tools
