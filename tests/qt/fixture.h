#pragma once

// Shared by the Qt Test suites: an offscreen platform set before the
// application starts (so a suite run by hand behaves as under CTest), and a
// started window at the design scale driven through its real widgets.

#include "qt/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>

#define TESSOMAR_QT_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char* argv[]) {                                                                                 \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

namespace tessomar::testing {

// 15.1 twips per pixel makes the scale factor exactly 1, so design twips
// give the expected pixels directly.
inline constexpr float kDesignTwipsPerPixel = 15.1f;

inline int px(float twips) { return qRound(twips / kDesignTwipsPerPixel); }

// A shown, activated window; the core's activation has run.
inline std::unique_ptr<view::MainWindow> startedWindow() {
    auto w = std::make_unique<view::MainWindow>(kDesignTwipsPerPixel);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("window did not become active");
    w->sync(); // makes the widgets the first frame left for later
    return w;
}

// Where the keyboard goes: the widget holding Qt's focus in the window.
inline QWidget* keyTarget(view::MainWindow& w) { return w.focusWidget() ? w.focusWidget() : &w; }

inline void key(view::MainWindow& w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(keyTarget(w), k, mods);
}

template <typename T = QWidget> T* widget(view::MainWindow& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
}

inline QString shown(view::MainWindow& w, const char* name) {
    auto* edit = widget<QLineEdit>(w, name);
    return edit ? edit->text() : QStringLiteral("<no such line edit>");
}

inline QString focusName(view::MainWindow& w) { return keyTarget(w)->objectName(); }

inline void clickCentre(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center()); }

} // namespace tessomar::testing
