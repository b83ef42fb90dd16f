#pragma once

#include "tools/tool.h"

#include <QWidget>

namespace tessomar::view {

// A tool's own top-level window over its presenter, beside the main window:
// Escape closes it (it is kept, with what was typed, for the next request),
// Enter in a field moves on to the next control, and the widgets follow the
// presenter after every change, also one made in the main window.
class ToolWindow : public QWidget {
public:
    // The presenter may still be unmade (a member of the tool window): it is
    // first used by setUp().
    ToolWindow(QWidget* mainWindow, tools::Tool& tool, const char* objectName);
    // Reads the main window again, and redraws when what it shows changed.
    void follow();
    // Shows the window beside the main one the first time, brings it to the
    // front and gives it the keyboard.
    void present();

protected:
    // For the end of a tool window's constructor, once its presenter and
    // widgets are made: the title, and the widgets shown in line.
    void setUp();
    // Brings every widget in line with the presenter.
    virtual void refresh() = 0;
    void keyPressEvent(QKeyEvent* e) override;

private:
    tools::Tool& m_tool;
    bool m_placed = false;
};

} // namespace tessomar::view
