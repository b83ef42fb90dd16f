#pragma once

#include <QKeyEvent>

namespace tessomar::view {

// What a key typed in the window asks of the core.
struct KeyAction {
    // Paste and Cut are the keyboard's (Ctrl+V, Ctrl+X and their kin): keys
    // that carry a character. CopyTable copies the break points and results;
    // Undo (Ctrl+Z) is no typed key.
    enum Kind { None, Char, Tab, BackTab, KeyDown, SelectAll, Copy, Cut, Paste, AccessKey, CopyTable, Undo };
    Kind kind = None;
    int code = 0;  // the character (Char: a code point), key code (KeyDown) or upper-case letter (AccessKey)
    int shift = 0; // tk::key masks, for KeyDown

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// Keys with no meaning to the window map to None and are dropped, so the
// widgets never edit their text on their own.
KeyAction keyActionFor(const QKeyEvent& event);

} // namespace tessomar::view
