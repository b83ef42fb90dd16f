#pragma once

#include "qt/tool_window.h"
#include "tools/form.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace tessomar::view {

// A form tool's window, built from its presenter: a row per field (label,
// box, unit, and the reason a value is refused, beside the box, never in a
// dialog), then the result lines. A field with choices has a list for its
// unit, or instead of its box. Each keystroke goes to the presenter and
// the window shows what it worked out; Enter moves to the next field.
class FormWindow : public ToolWindow {
public:
    FormWindow(QWidget* mainWindow, std::unique_ptr<tools::FormTool> form, const char* objectName);

protected:
    void refresh() override;

private:
    struct Row {
        QLineEdit* edit;   // none for a field that is a pick alone
        QComboBox* choice; // the unit, or the pick; none without choices
        QLabel* unit;      // none where the list is the unit
        QLabel* reason;
    };
    std::unique_ptr<tools::FormTool> m_form;
    std::vector<Row> m_rows;
    std::vector<QLabel*> m_results;
    QVBoxLayout* m_resultLayout;
};

// What the tools' table holds for a form: its presenter's type is all.
template <class Form> ToolWindow* makeForm(QWidget& main, const Tessomar& core, const char* objectName) {
    return new FormWindow(&main, std::make_unique<Form>(core), objectName);
}

} // namespace tessomar::view
