#pragma once

#include "tools/tool.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessomar::tools {

// One value of a form as the user types it, with what the window shows
// around it: "Frequency", the box, "Hz", and why the value cannot be used.
struct Field {
    std::string name;   // stable, for scripts and tests: "Frequency"
    std::string label;  // "&Frequency:"
    std::string unit;   // follows the main window's units; may be empty
    std::string text;   // as typed
    std::string reason; // empty when the value is used
    // When given, the unit is picked from these (the view's unit is a list);
    // without a box the field is the pick alone: "logarithmic", "linear".
    std::vector<std::string> choices = {};
    std::size_t choice = 0;
    bool box = true;
};

// A tool that is a form: fields in, lines of results out, worked out again
// on every change of a field or of what it reads of the main window. A form
// names its fields in its constructor and implements update(), which reads
// them with number() and sets the units and results.
class FormTool : public Tool {
public:
    const std::vector<Field>& fields() const { return m_fields; }
    const std::vector<std::string>& results() const { return m_results; }
    // The user typed: the field holds the text and everything is worked out again.
    void setText(std::size_t field, std::string text);
    // The user picked one of the field's choices.
    void setChoice(std::size_t field, std::size_t choice);

protected:
    FormTool(const Tessomar& main, unsigned reads, std::vector<Field> fields);
    Field& field(std::size_t i) { return m_fields[i]; }
    // The field's value when its text is one plain number (blanks around it,
    // a typographic minus) inside [low, high]; otherwise none, and the field
    // says why. An empty field asks for a value.
    std::optional<double> number(std::size_t field, double low, double high);
    // The same with low itself refused: a value that must be above 0.
    std::optional<double> above(std::size_t field, double low, double high);
    // A field the user may leave empty: true, with no reason, when it is.
    bool blank(std::size_t field);
    std::vector<std::string> m_results;

private:
    std::vector<Field> m_fields;
};

} // namespace tessomar::tools
