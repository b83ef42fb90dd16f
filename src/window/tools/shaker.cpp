#include "tools/shaker.h"

#include "calc/levels.h"
#include "calc/numbers.h"
#include "calc/shaker_sizing.h"
#include "calc/units.h"
#include "tools/live_profile.h"

namespace tessomar::tools {

namespace {

using num::significant;
using shaker::Quantity;
using namespace units;

// Metric, then English. The bounds take in every shaker from a small modal
// exciter to a large hydraulic table, as the command's do, rounded inward in
// the English units so that what the form takes the command takes too.
constexpr struct {
    const char *force, *mass, *stroke, *velocity;
} kCaption[2] = {{"N", "kg", "mm p-p", "m/s pk"}, {"lbf", "lb", "in p-p", "ips pk"}};

std::string computed(const Quantity& q) { return significant(q.value, 4) + " " + q.unit; }

// "75 lb (34.02 kg)".
std::string massText(const Quantity& q) {
    return computed(q) + (q.unit == "kg" ? "" : " (" + significant(q.base(), 4) + " kg)");
}

// "Random force (40 lb)".
std::string marginLabel(const shaker::Margin& m, const std::optional<Quantity>& mass) {
    std::string label = m.name;
    label[0] = static_cast<char>(label[0] - 'a' + 'A');
    if (label.find('-') != std::string::npos) label[label.find('-')] = ' ';
    if (mass && m.name.find("force") != std::string::npos) label += " (" + computed(*mass) + ")";
    return label;
}

} // namespace

Shaker::Shaker(const Tessomar& main)
    : FormTool(main, kUnits | kProfile,
               {{"SineForce", "&Sine force:", "", "", ""},
                {"RandomForce", "&Random force:", "", "", ""},
                {"Armature", "&Armature:", "", "", ""},
                {"Fixture", "&Fixture:", "", "", ""},
                {"Payload", "&Payload:", "", "", ""},
                {"Acceleration", "A&cceleration:", "g pk, finds the heaviest payload", "", ""},
                {"Derate", "&Derate:", "% of each rating", "100", ""},
                {"Stroke", "S&troke:", "", "", ""},
                {"Velocity", "&Velocity:", "", "", ""},
                {"Sigma", "Si&gma:", "", "3", ""}}) {
    start();
}

std::optional<Quantity> Shaker::quantity(std::size_t i, const Unit& unit, bool mayBeBlank) {
    if (mayBeBlank && blank(i)) return std::nullopt;
    const auto v = number(i, unit.low, unit.high);
    if (!v) return std::nullopt;
    return Quantity{*v, unit.name, unit.perBase};
}

void Shaker::update() {
    const bool en = english();
    const auto& c = kCaption[en];
    field(kSineForce).unit = c.force + std::string(" pk");
    field(kRandomForce).unit = c.force + std::string(" rms");
    for (std::size_t i : {kArmature, kFixture, kPayload}) field(i).unit = c.mass;
    field(kStroke).unit = c.stroke;
    field(kVelocity).unit = c.velocity;
    m_results.clear();
    const Unit mass = en ? Unit{"lb", 1 / kKgPerPound, 0.0025, 2.2e5} : Unit{"kg", 1, 0.001, 1e5};
    shaker::MassParts parts{quantity(kArmature, mass, false), quantity(kFixture, mass, true),
                            quantity(kPayload, mass, true)};
    sizing(parts);
    margins(parts);
}

void Shaker::sizing(const shaker::MassParts& parts) {
    const Unit force = english() ? Unit{"lbf", 1 / kNewtonsPerPoundForce, 0.25, 1.1e6} : Unit{"N", 1, 1, 5e6};
    shaker::SizingAsked asked{quantity(kSineForce, force, true), quantity(kRandomForce, force, true), parts, {}, 1};
    if (!blank(kAccel)) asked.accel = above(kAccel, 0, 1e5);
    const auto derate = above(kDerate, 0, 100);
    // The acceleration asks for the payload, so it cannot be given too.
    if (asked.accel && !blank(kPayload)) field(kAccel).reason = "Finds the payload: leave Payload empty";
    if (asked.accel && blank(kSineForce)) field(kAccel).reason = "Needs the sine force";
    for (std::size_t i = kSineForce; i <= kDerate; ++i)
        if (!field(i).reason.empty()) return;
    if (!asked.sineForce && !asked.randomForce)
        return m_results.push_back("Sizing: give the sine force (pk) or the random force (rms), or both");
    asked.derate = *derate / 100;
    const shaker::Sizing s = shaker::size(asked);
    std::string head = "Sizing, the ratings in full";
    if (*derate < 100) {
        head = "Sizing, the ratings at " + significant(*derate, 6) + " %:";
        if (asked.sineForce) head += " " + computed({asked.sineForce->value * asked.derate, force.name}) + " pk";
        if (asked.randomForce) head += " " + computed({asked.randomForce->value * asked.derate, force.name}) + " rms";
        head += " used";
    }
    m_results.push_back(head);
    if (s.payload) {
        const std::string label = "Heaviest payload at " + significant(*asked.accel, 6) + " g pk: ";
        m_results.push_back(label + (s.reached ? massText(*s.payload)
                                               : "none, the armature and fixture alone allow " +
                                                     significant(*s.sineAccel, 4) + " g pk"));
    }
    m_results.push_back("Moving mass: " + massText(s.movingMass));
    if (s.sineAccel) m_results.push_back("Most sine acceleration: " + significant(*s.sineAccel, 4) + " g pk");
    if (s.randomGrms) m_results.push_back("Most random acceleration: " + significant(*s.randomGrms, 4) + " g rms");
}

void Shaker::margins(const shaker::MassParts& parts) {
    const bool en = english();
    const Unit stroke = en ? Unit{"in", 1, 0.004, 78} : Unit{"mm", kMmPerInch, 0.1, 2000};
    const Unit velocity = en ? Unit{"ips", 1, 0.4, 787} : Unit{"m/s", kMetersPerInch, 0.01, 20};
    const auto strokeRating = quantity(kStroke, stroke, true), velocityRating = quantity(kVelocity, velocity, true);
    const auto sigma = above(kSigma, 0, 1000);
    m_results.push_back(liveProfileLine(profile()));
    if (profile().rows.size() < 2 || !sigma || !field(kStroke).reason.empty() || !field(kVelocity).reason.empty())
        return;
    if (!strokeRating || !velocityRating)
        return m_results.push_back("Give the stroke and velocity to check the profile against the shaker");
    shaker::Shaker sh{*strokeRating, *velocityRating, {}, {}, {}};
    // The forces count only with the mass they move.
    if (parts.armature && field(kFixture).reason.empty() && field(kPayload).reason.empty()) {
        const Unit force = en ? Unit{"lbf", 1 / kNewtonsPerPoundForce, 0.25, 1.1e6} : Unit{"N", 1, 1, 5e6};
        sh.mass = shaker::movingMass(parts);
        sh.sineForce = field(kSineForce).reason.empty() ? quantity(kSineForce, force, true) : std::nullopt;
        sh.randomForce = field(kRandomForce).reason.empty() ? quantity(kRandomForce, force, true) : std::nullopt;
    }
    // The main window's results are at 3 sigma; velocity and displacement grow with it.
    const BreakPointReport& p = profile();
    const shaker::Check check = shaker::check(
        sh, shaker::randomDemand(p.grms, num::store(p.vel * (*sigma / 3)), num::store(p.disp * (*sigma / 3))));
    std::string exceeded;
    for (const shaker::Margin& m : check.margins) {
        const shaker::MarginTexts t = shaker::marginTexts(m);
        m_results.push_back(marginLabel(m, sh.mass) + ", " + significant(*sigma, 6) + " sigma: " + t.demand + " " +
                            m.unit + " of " + t.rating + " " + m.unit + ", margin " + t.percent + " %" +
                            (m.exceeded ? ", EXCEEDED" : ""));
        if (m.exceeded) exceeded += (exceeded.empty() ? "" : ", ") + m.name;
    }
    if (check.forceOfOtherKind)
        m_results.push_back("The sine force is a peak rating: give the random force (rms) to check the force");
    m_results.push_back(exceeded.empty() ? "Within every rating." : "Rating exceeded: " + exceeded + ".");
    if (const auto top = levels::highestLevel(check.margins)) {
        std::string rating = top->rating;
        if (rating.find('-') != std::string::npos) rating[rating.find('-')] = ' ';
        const double db = levels::roundedDown(top->db);
        m_results.push_back("Highest level: " + levels::dbText(db) + " dB, every PSD x " +
                            significant(levels::psdFactor(db), 3) + "; " + rating + " limits it.");
    }
}

} // namespace tessomar::tools
