#include "qt/form_window.h"

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
        auto* edit = new QLineEdit(this);
        auto* unit = new QLabel(this);
        auto* reason = new QLabel(this);
        label->setBuddy(edit);
        edit->setObjectName(name);
        edit->setAccessibleName(name);
        unit->setObjectName(name + QStringLiteral("Unit"));
        unit->setAccessibleName(name + QStringLiteral(" unit"));
        reason->setObjectName(name + QStringLiteral("Reason"));
        reason->setAccessibleName(name + QStringLiteral(" problem"));
        reason->setStyleSheet(QStringLiteral("color: #b00020"));
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit, row, 2);
        grid->addWidget(reason, row, 3);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& typed) {
            m_form->setText(i, typed.toStdString());
            refresh();
        });
        m_rows.push_back({edit, unit, reason});
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
        if (r.edit->text() != text(fields[i].text)) r.edit->setText(text(fields[i].text));
        r.unit->setText(text(fields[i].unit));
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
            // Its name says which line it is; a reader hears what it says.
            m_results[i]->setText(text(lines[i]));
            m_results[i]->setAccessibleDescription(text(lines[i]));
        }
    }
}

} // namespace tessomar::view
