#pragma once

#include "calc/shaker.h"
#include "tools/form.h"

#include <optional>

namespace tessomar::tools {

// A shaker's ratings against what it moves: the sine sizing the shaker
// command gives (the most acceleration, or the heaviest payload that
// reaches one), and the margins of the main window's random profile, read
// live, with the highest level every rating allows.
class Shaker : public FormTool {
public:
    enum FieldIndex : std::size_t {
        kSineForce,
        kRandomForce,
        kArmature,
        kFixture,
        kPayload,
        kAccel,
        kDerate,
        kStroke,
        kVelocity,
        kSigma
    };
    explicit Shaker(const Tessomar& main);
    std::string title() const override { return titleOf("Shaker"); }

protected:
    void update() override;

private:
    struct Unit {
        const char* name;
        double perBase, low, high; // per in, ips, N or kg; the bounds in this unit
    };
    // A rating or a mass in the unit shown; none when blank (where allowed) or refused.
    std::optional<shaker::Quantity> quantity(std::size_t field, const Unit& unit, bool mayBeBlank);
    void sizing(const shaker::MassParts& parts);
    void margins(const shaker::MassParts& parts);
};

} // namespace tessomar::tools
