#include "qt/tool_windows.h"

#include "qt/form_window.h"
#include "tools/response.h"
#include "tools/shaker.h"
#include "tools/sine_profile.h"
#include "tools/sweep.h"

#include <QMenu>

namespace tessomar::view {

// profile_plot_window.cpp
ToolWindow* makeProfilePlot(QWidget& main, const Tessomar& core, const char* objectName);

namespace {

// A tool: its menu item, its window's object name, and what makes the
// window; for a form, makeForm<its presenter>.
struct Kind {
    const char* item;
    const char* objectName;
    ToolWindow* (*make)(QWidget& main, const Tessomar& core, const char* objectName);
};
// In menu order, which gives each its shortcut.
const Kind kTools[] = {
    {"Profile plot", "ProfilePlot", makeProfilePlot},
    {"Sweep", "Sweep", makeForm<tools::Sweep>},
    {"Sine profile", "SineProfile", makeForm<tools::SineProfile>},
    {"Shaker", "Shaker", makeForm<tools::Shaker>},
    {"Response", "Response", makeForm<tools::Response>},
};
constexpr int kCount = static_cast<int>(std::size(kTools));

} // namespace

ToolWindows::ToolWindows(QWidget& mainWindow, const Tessomar& core)
    : m_main(mainWindow), m_core(core), m_windows(kCount) {}

ToolWindows::~ToolWindows() {
    for (const QPointer<ToolWindow>& w : m_windows) delete w.data();
}

int ToolWindows::count() { return kCount; }

QString ToolWindows::item(int tool) { return QString::fromLatin1(kTools[tool].item); }

QKeySequence ToolWindows::shortcut(int tool) { return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + tool)); }

int ToolWindows::ofKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier) return -1;
    const int tool = key - Qt::Key_1;
    return tool >= 0 && tool < kCount ? tool : -1;
}

void ToolWindows::open(int tool) {
    if (tool < 0 || tool >= kCount) return;
    if (!m_windows[tool]) m_windows[tool] = kTools[tool].make(m_main, m_core, kTools[tool].objectName);
    m_windows[tool]->follow();
    m_windows[tool]->present();
}

void ToolWindows::follow() {
    for (const QPointer<ToolWindow>& w : m_windows)
        if (w && w->isVisible()) w->follow();
}

void ToolWindows::addItems(QMenu& menu) {
    for (int tool = 0; tool < kCount; ++tool) {
        QAction* a = menu.addAction(item(tool));
        // Shown, and taken by the main window's key handling, not by the menu.
        a->setShortcut(shortcut(tool));
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setShortcutVisibleInContextMenu(true);
        QObject::connect(a, &QAction::triggered, &m_main, [this, tool] { open(tool); });
    }
}

ToolWindow* ToolWindows::window(int tool) const { return tool >= 0 && tool < kCount ? m_windows[tool] : nullptr; }

} // namespace tessomar::view
