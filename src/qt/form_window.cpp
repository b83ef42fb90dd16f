#include "qt/form_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessomar::view {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

FormWindow::FormWindow(QWidget* mainWindow, std::unique_ptr<tools::FormTool> form, const char* objectName)
    : ToolWindow(mainWindow, *form, objectName), m_form(std::move(form)) {
    auto* grid = new QGridLayout;
    const std::vector<tools::Field>& fields = m_form->fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const tools::Field& f = fields[i];
        const QString name = text(f.name);
        auto* label = new QLabel(text(f.label), this);
        auto* edit = f.box ? new QLineEdit(this) : nullptr;
        auto* choice = f.choices.empty() ? nullptr : new QComboBox(this);
        auto* unit = edit && choice ? nullptr : new QLabel(this);
        auto* reason = new QLabel(this);
        label->setBuddy(edit ? static_cast<QWidget*>(edit) : choice);
        if (edit) {
            edit->setObjectName(name);
            edit->setAccessibleName(name);
            connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& typed) {
                m_form->setText(i, typed.toStdString());
                refresh();
            });
        }
        if (choice) {
            // The unit's list beside a box, named as the unit is; or the field itself.
            choice->setObjectName(edit ? name + QStringLiteral("Unit") : name);
            choice->setAccessibleName(edit ? name + QStringLiteral(" unit") : name);
            for (const std::string& c : f.choices) choice->addItem(text(c));
            choice->setCurrentIndex(static_cast<int>(f.choice));
            connect(choice, &QComboBox::activated, this, [this, i](int picked) {
                m_form->setChoice(i, static_cast<std::size_t>(picked));
                refresh();
            });
        }
        if (unit) {
            unit->setObjectName(name + QStringLiteral("Unit"));
            unit->setAccessibleName(name + QStringLiteral(" unit"));
        }
        reason->setObjectName(name + QStringLiteral("Reason"));
        reason->setAccessibleName(name + QStringLiteral(" problem"));
        reason->setStyleSheet(QStringLiteral("color: #b00020"));
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        if (edit) grid->addWidget(edit, row, 1);
        if (choice) grid->addWidget(choice, row, edit ? 2 : 1);
        if (unit) grid->addWidget(unit, row, 2);
        grid->addWidget(reason, row, 3);
        m_rows.push_back({edit, choice, unit, reason});
    }
    grid->setColumnStretch(3, 1);
    m_resultLayout = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(m_resultLayout);
    layout->addStretch(1);
    setUp();
}

void FormWindow::refresh() {
    const std::vector<tools::Field>& fields = m_form->fields();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows[i];
        if (r.edit && r.edit->text() != text(fields[i].text)) r.edit->setText(text(fields[i].text));
        if (r.choice) r.choice->setCurrentIndex(static_cast<int>(fields[i].choice));
        if (r.unit) r.unit->setText(text(fields[i].unit));
        r.reason->setText(text(fields[i].reason));
    }
    const std::vector<std::string>& lines = m_form->results();
    while (m_results.size() < lines.size()) {
        auto* line = new QLabel(this);
        const QString n = QString::number(m_results.size() + 1);
        line->setObjectName(QStringLiteral("Result") + n);
        line->setAccessibleName(QStringLiteral("Result ") + n);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_resultLayout->addWidget(line);
        m_results.push_back(line);
    }
    for (std::size_t i = 0; i < m_results.size(); ++i) {
        m_results[i]->setVisible(i < lines.size());
        if (i < lines.size()) {
            // A reader hears the line's name and then what it says.
            m_results[i]->setText(text(lines[i]));
            m_results[i]->setAccessibleDescription(text(lines[i]));
        }
    }
}

} // namespace tessomar::view
