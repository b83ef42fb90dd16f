#pragma once

#include "tools/form.h"

namespace tessomar::tools {

// What a part with one resonance feels under the main window's profile,
// read live: Miles' approximation and the exact response, acceleration and
// the relative displacement, as the random command's --response gives them.
class Response : public FormTool {
public:
    enum FieldIndex : std::size_t { kFn, kQ, kSigma };
    explicit Response(const Tessomar& main);
    std::string title() const override { return titleOf("Response"); }

protected:
    void update() override;
};

} // namespace tessomar::tools
