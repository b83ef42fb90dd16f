#pragma once

// A window as the user first sees it, and a user who drives it.
#include "frame/tessomar.h"

#include <array>
#include <cmath>
#include <sstream>
#include <string>

namespace user {

// Loaded for a screen of the given twips per pixel (15.1 gives ScaleFactor 1)
// and activated: Sine mode, English units, the focus in Acceleration.
struct Started : tessomar::Tessomar {
    explicit Started(float twipsPerPixel = 15.1f) {
        twipsPerPixelX = twipsPerPixel;
        load();
        activate();
    }
};

inline tk::TextBox& field(tessomar::Tessomar& w, char letter) {
    tk::TextBox* boxes[] = {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency};
    return *boxes[std::string("AVDF").find(letter)];
}

// Runs blank-separated steps: "@Name" clicks a control, "%X" presses Alt+X;
// "A…", "V…", "D…", "F…" click into that sine field ("F(0)…" into a row of the
// table), select its text and type the rest: '\r' is Enter, '>' Tab, '<'
// Shift+Tab, '~' Delete, '$' End, '\x18' Ctrl+X and '\x16' Ctrl+V with "5" on
// the clipboard; a byte from 0x80 on is the character of that code point.
inline void step(tessomar::Tessomar& w, const std::string& t) {
    if (t[0] == '@') return w.click(*w.find(t.substr(1)));
    if (t[0] == '%') return void(w.pressAccessKey(t[1]));
    const std::size_t end = t[1] == '(' ? t.find(')') + 1 : 1;
    w.clickText(end > 1 ? static_cast<tk::TextBox&>(*w.find(t.substr(0, end))) : field(w, t[0]), 0);
    w.selectAll();
    for (char c : t.substr(end))
        c == '>' || c == '<'   ? w.pressTab(c == '<')
        : c == '~' || c == '$' ? w.keyDown(c == '~' ? tk::key::Delete : tk::key::End, 0)
        : c == '\x18'          ? void(w.cutKey())
        : c == '\x16'          ? w.pasteKey("5")
                               : w.keyPress(static_cast<unsigned char>(c));
}
inline void run(tessomar::Tessomar& w, const std::string& script) {
    std::istringstream in(script);
    for (std::string t; std::getline(in, t, ' ');) step(w, t);
}

// The four fields' texts, in the order A, V, D, F.
inline std::array<std::string, 4> texts(tessomar::Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

// Their colours: G pale green (entered last), Y pale yellow (entered
// before), W white (calculated).
inline std::string colours(tessomar::Tessomar& w) {
    std::string out;
    for (char letter : std::string("AVDF")) {
        const tk::Color c = field(w, letter).BackColor;
        out += c == 0xDDFFDB ? 'G' : c == 0xE1FFFD ? 'Y' : c == 0xFFFFFF ? 'W' : '?';
    }
    return out;
}

// The focused control, "*" when the first ten characters of its text are selected.
inline std::string focus(tessomar::Tessomar& w) {
    const auto* box = dynamic_cast<const tk::TextBox*>(w.focused());
    const bool selected = box && box->SelStart() == 0 && box->SelLength() == std::min<int>(10, box->Text().size());
    return (w.focused() ? w.focused()->name() : "") + (selected && box->SelLength() ? "*" : "");
}

// All three as "A|V|D|F COLOURS FOCUS".
inline std::string shown(tessomar::Tessomar& w) {
    const auto t = texts(w);
    return t[0] + "|" + t[1] + "|" + t[2] + "|" + t[3] + " " + colours(w) + " " + focus(w);
}

// What a mode selection sets: the mode and entry history; the lit mode button
// (L) among Sine, Random and Shock; the captions of the pulse-shape button, the
// frequency row and the units; which of the controls that modes hide show (+);
// the window height, its client height (no frame) and the tops of the unit
// buttons and contact labels, in design twips; which sine fields are locked
// (L) or tab stops (T); whether the tab catchers, then the table's boxes, are
// tab stops (T all, - none); and the scroll bar, which no mode touches.
inline std::string screen(tessomar::Tessomar& w) {
    std::string s = std::to_string(w.fs.CalcMode) + w.fs.LastEntry + w.fs.PriorEntry + " ";
    for (const char* b : {"SineButton", "RandomButton", "ShockButton"})
        s += w.find(b)->BackColor == 0xC0FFC0 ? 'L' : w.find(b)->BackColor == 0xE0E0E0 ? '-' : '?';
    for (const char* c : {"AccelButton", "FreqLbl", "FreqUnits", "AccelUnits", "VelUnits", "DispUnits"})
        s += "|" + w.find(c)->Caption;
    s += " ";
    for (const char* c :
         {"AccelButton", "FreqLbl", "Frequency", "FreqUnits", "DelBut", "ClearBut", "SineHelp", "RanHelp", "ShockHelp"})
        s += w.find(c)->Visible ? '+' : '-';
    s += " " + std::to_string(std::lround(w.Height / w.fs.ScaleFactor));
    s += "/" + std::to_string(std::lround(w.clientHeight() / w.fs.ScaleFactor));
    for (const char* c : {"EnglishBut", "MetricBut", "HelpBut", "AddLbl1", "AddLbl2"})
        s += " " + std::to_string(std::lround(w.find(c)->Top / w.fs.ScaleFactor));
    for (const tk::TextBox* b : {&w.Acceleration, &w.Velocity, &w.Displacement})
        s += std::string(" ") + (b->Locked ? "L" : "") + (b->TabStop ? "T" : "");
    int catchers = 0, rows = 0;
    for (const char* c : {"AccelTab", "VelTab", "DispTab", "FreqTab"}) catchers += w.find(c)->TabStop;
    for (int i = 0; i < tessomar::kRows; ++i) rows += w.F[i].TabStop + w.A[i].TabStop;
    const auto all = [](int n, int of) { return n == of ? 'T' : n ? '?' : '-'; };
    return s + " " + all(catchers, 4) + all(rows, 18) + all(w.Scroll.TabStop, 1);
}

} // namespace user
