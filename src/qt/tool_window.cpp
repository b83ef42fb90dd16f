#include "qt/tool_window.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace tessomar::view {

ToolWindow::ToolWindow(QWidget* mainWindow, tools::Tool& tool, const char* objectName)
    : QWidget(mainWindow, Qt::Window), m_tool(tool) {
    setObjectName(QString::fromLatin1(objectName));
}

void ToolWindow::setUp() {
    setWindowTitle(QString::fromStdString(m_tool.title()));
    setAccessibleName(windowTitle());
    refresh();
}

void ToolWindow::follow() {
    if (m_tool.follow()) refresh();
}

void ToolWindow::present() {
    if (!m_placed) {
        // Beside the main window where the screen has room, so neither hides the other.
        m_placed = true;
        QWidget* main = parentWidget();
        QPoint at = main->frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = main->screen(); screen && at.x() + width() > screen->availableGeometry().right())
            at = main->frameGeometry().topLeft() + QPoint(24, 24);
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void ToolWindow::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
    } else if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
        button->click();
    } else if (enter) {
        // The fields take their value as it is typed; Enter only moves on.
        focusNextChild();
    } else {
        QWidget::keyPressEvent(e);
    }
}

} // namespace tessomar::view
