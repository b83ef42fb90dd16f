#include "qt/keys.h"

#include "toolkit/control.h"

namespace tessomar::view {

namespace {

int shiftMask(Qt::KeyboardModifiers m) {
    int mask = 0;
    if (m & Qt::ShiftModifier) mask |= tk::key::ShiftMask;
    if (m & Qt::ControlModifier) mask |= tk::key::CtrlMask;
    if (m & Qt::AltModifier) mask |= tk::key::AltMask;
    return mask;
}

int keyDownCode(int key) {
    switch (key) {
    case Qt::Key_Up:
        return tk::key::Up;
    case Qt::Key_Down:
        return tk::key::Down;
    case Qt::Key_Left:
        return tk::key::Left;
    case Qt::Key_Right:
        return tk::key::Right;
    case Qt::Key_Home:
        return tk::key::Home;
    case Qt::Key_End:
        return tk::key::End;
    case Qt::Key_Delete:
        return tk::key::Delete;
    case Qt::Key_PageUp:
        return tk::key::PageUp;
    case Qt::Key_PageDown:
        return tk::key::PageDown;
    default:
        return 0;
    }
}

} // namespace

KeyAction keyActionFor(const QKeyEvent& event) {
    // The platform's own editing shortcuts (Ctrl+V, Shift+Insert, ...).
    if (event.matches(QKeySequence::SelectAll)) return {KeyAction::SelectAll};
    if (event.matches(QKeySequence::Copy)) return {KeyAction::Copy};
    if (event.matches(QKeySequence::Cut)) return {KeyAction::Cut};
    if (event.matches(QKeySequence::Paste)) return {KeyAction::Paste};
    if (event.matches(QKeySequence::Undo)) return {KeyAction::Undo};

    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (key == Qt::Key_C && mods == (Qt::ControlModifier | Qt::ShiftModifier)) return {KeyAction::CopyTable};
    switch (key) {
    case Qt::Key_Escape:
        return {KeyAction::Char, tk::key::EscapeChar};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {KeyAction::Char, 13};
    case Qt::Key_Backspace:
        return {KeyAction::Char, 8};
    case Qt::Key_Tab:
        return {(mods & Qt::ShiftModifier) ? KeyAction::BackTab : KeyAction::Tab};
    case Qt::Key_Backtab:
        return {KeyAction::BackTab};
    default:
        break;
    }
    if (const int code = keyDownCode(key)) return {KeyAction::KeyDown, code, shiftMask(mods)};

    const bool ctrl = (mods & Qt::ControlModifier) != 0;
    const bool alt = (mods & Qt::AltModifier) != 0;
    if (alt && !ctrl) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return {KeyAction::AccessKey, 'A' + (key - Qt::Key_A)};
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return {KeyAction::AccessKey, '0' + (key - Qt::Key_0)};
        return {};
    }
    if (ctrl) return {};
    // A printable character, in or beyond ASCII (é, µ, °).
    const QList<uint> text = event.text().toUcs4();
    if (text.size() == 1 && text[0] >= 32 && text[0] != 127) return {KeyAction::Char, static_cast<int>(text[0])};
    return {};
}

} // namespace tessomar::view
