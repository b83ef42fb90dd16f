#pragma once

#include "frame/tessomar.h"
#include "qt/tool_windows.h"

#include <QRect>
#include <QWidget>

#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QPushButton;
class QLabel;

namespace tessomar::view {

class LineWidget;

// The window on screen. It owns the calculator core, draws each of the
// core's controls with a real widget, forwards every key and mouse action to
// the core and then brings the widgets in line with it. No widget takes the
// keyboard focus on its own and none edits its text itself: the core decides.
class MainWindow : public QWidget {
public:
    // twipsPerPixel 0 reads the screen's resolution; a value fixes it (tests
    // use 15.1 to get the design layout unscaled).
    explicit MainWindow(float twipsPerPixel = 0, QWidget* parent = nullptr);
    ~MainWindow() override;

    Tessomar& core() { return m_core; }
    const Tessomar& core() const { return m_core; }
    // The widget drawing a control; null for the hidden focus catchers.
    QWidget* widgetFor(const tk::Control& c) const;
    QWidget* widgetFor(std::string_view name) const;
    // Brings every widget in line with the core, and the open tools with
    // it. Cheap; called after every forwarded action and safe to call at any time.
    void sync();
    ToolWindows& tools() { return m_tools; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // A right-click outside the text boxes: the tools' menu.
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // One core control and its widget, with what was last mirrored so that
    // unchanged properties cost one comparison.
    struct Binding {
        tk::Control* control = nullptr;
        QWidget* widget = nullptr;
        QLineEdit* edit = nullptr;
        QPlainTextEdit* panel = nullptr;
        QPushButton* button = nullptr;
        QLabel* label = nullptr;
        QScrollBar* bar = nullptr;
        LineWidget* line = nullptr;
        QRect geometry;
        bool visible = false;
        bool locked = false;
        tk::Color back = 0xFFFFFFFFu;
        tk::Color fore = 0xFFFFFFFFu;
        float fontSize = -1;
        std::string text; // text box text or caption
        bool fresh = true;
        bool built = false; // its widget (or that it has none) is settled
    };

    QWidget* createWidget(tk::Control& c);
    void buildWidgets(bool onScreenOnly);
    void bind(Binding& b, QWidget* w);
    void syncBinding(Binding& b);
    void syncTextBox(Binding& b, bool focused);
    void syncWindow();
    void syncFocus();
    void updateFrameHeight();

    bool handleKey(QKeyEvent* e);
    bool handleTextMouse(Binding& b, QObject* watched, QEvent* e);
    bool handleScrollMouse(Binding& b, QEvent* e);
    void showContextMenu(Binding& b, QPoint globalPos);
    void copyTable();
    // Why the core refused an action, as a tool tip at the control.
    void showNotice(const tk::Control& at, const std::string& message);
    void onScrollAction(int action);
    Binding* bindingOf(QObject* o);
    int caretAt(Binding& b, QObject* watched, QPoint pos) const;

    Tessomar m_core;
    float m_twipsPerPixel = 15;
    std::vector<Binding> m_bindings;
    bool m_syncing = false;
    bool m_activated = false;
    bool m_firstFrameSeen = false;
    bool m_allBuilt = false;
    bool m_startingUp = true; // until the first show has made what it shows
    int m_frameHeightPx = -1;
    int m_wheelDelta = 0; // eighths of a degree not yet turned into steps
    // A drag selecting text: the box and where the drag started.
    tk::TextBox* m_dragBox = nullptr;
    int m_dragAnchor = 0;
    ToolWindows m_tools{*this, m_core}; // each made when first opened
};

} // namespace tessomar::view
