#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QString>

#include <vector>

class QMenu;
class QWidget;

namespace tessomar {
class Tessomar;
}

namespace tessomar::view {

class ToolWindow;

// The tools the main window opens: each item in its menus with a shortcut
// (Ctrl+1, Ctrl+2, ... in menu order, keys no box uses), each window made on
// its first request and raised on the next.
class ToolWindows {
public:
    ToolWindows(QWidget& mainWindow, const Tessomar& core);
    // The windows go first, while the core they read is still there.
    ~ToolWindows();
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;
    static int count();
    static QString item(int tool);          // "Profile plot"
    static QKeySequence shortcut(int tool); // Ctrl+1
    // The tool of a shortcut pressed in the main window, or -1.
    static int ofKey(int key, Qt::KeyboardModifiers modifiers);

    void open(int tool);
    // After every action forwarded to the main window: each open tool reads
    // it again.
    void follow();
    // The tools' items at the end of a menu, each opening its tool.
    void addItems(QMenu& menu);
    ToolWindow* window(int tool) const; // null until first opened

private:
    QWidget& m_main;
    const Tessomar& m_core;
    std::vector<QPointer<ToolWindow>> m_windows;
};

} // namespace tessomar::view
