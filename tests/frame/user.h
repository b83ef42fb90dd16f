#pragma once

// A window as the user first sees it, and a user who drives it.
#include "frame/tessomar.h"

#include <cmath>
#include <sstream>
#include <string>

namespace user {

// Loaded for a screen of the given twips per pixel (15.1 gives ScaleFactor 1)
// and activated: Sine mode, English units, the focus in Acceleration.
struct Started : tessomar::Tessomar {
    explicit Started(float twipsPerPixel = 15.1f) { twipsPerPixelX = twipsPerPixel, load(), activate(); }
};

inline tk::TextBox& field(tessomar::Tessomar& w, char letter) {
    tk::TextBox* boxes[] = {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency};
    return *boxes[std::string("AVDF").find(letter)];
}

// Runs blank-separated steps: "@Name" clicks a control, "%X" presses Alt+X;
// "A…", "V…", "D…", "F…" click into that sine field ("F(0)…" into a row of the
// table), select its text and type the rest: '\r' is Enter, '>' Tab, '<'
// Shift+Tab and '~' Delete.
inline void run(tessomar::Tessomar& w, const std::string& script) {
    std::istringstream in(script);
    for (std::string t; std::getline(in, t, ' ');) {
        if (t[0] == '@' || t[0] == '%') {
            t[0] == '@' ? w.click(*w.find(t.substr(1))) : void(w.pressAccessKey(t[1]));
            continue;
        }
        const std::size_t end = t[1] == '(' ? t.find(')') + 1 : 1;
        w.clickText(end > 1 ? static_cast<tk::TextBox&>(*w.find(t.substr(0, end))) : field(w, t[0]), 0), w.selectAll();
        for (char c : t.substr(end)) {
            if (c == '>' || c == '<') w.pressTab(c == '<');
            if (c == '~') w.keyDown(tk::key::Delete, 0);
            if (c != '>' && c != '<' && c != '~') w.keyPress(static_cast<unsigned char>(c));
        }
    }
}

// The four fields' texts, their colours (G pale green: entered last, Y pale
// yellow: entered before, W white: calculated) and the focus, "*" when the
// first ten characters of its text are selected.
inline std::string shown(tessomar::Tessomar& w) {
    std::string texts, colours;
    for (char letter : std::string("AVDF")) {
        const tk::TextBox& box = field(w, letter);
        texts += box.Text() + (letter == 'F' ? " " : "|");
        const tk::Color c = box.BackColor;
        colours += c == 0xDDFFDB ? 'G' : c == 0xE1FFFD ? 'Y' : c == 0xFFFFFF ? 'W' : '?';
    }
    const auto* box = dynamic_cast<const tk::TextBox*>(w.focused());
    const bool selected = box && box->SelStart() == 0 && box->SelLength() == std::min<int>(10, box->Text().size());
    return texts + colours + " " + (w.focused() ? w.focused()->name() : "") + (selected && box->SelLength() ? "*" : "");
}

// What a mode selection sets: the mode and entry history; the lit mode button
// (S, R, H); the captions of the pulse-shape button, the frequency row and the
// units; which of the controls that modes hide show (+); the window height and
// the tops of the unit buttons and contact labels in design twips; then which
// sine fields are locked (L) or tab stops (T), and whether the tab catchers
// and the table's boxes are tab stops (T: all, -: none).
inline std::string screen(tessomar::Tessomar& w) {
    std::string s = std::to_string(w.fs.CalcMode) + w.fs.LastEntry + w.fs.PriorEntry + " ";
    for (const tk::CommandButton* b : {&w.SineButton, &w.RandomButton, &w.ShockButton})
        s += b->BackColor == 0xC0FFC0   ? b->Caption.substr(b->Caption.find('&') + 1, 1)
             : b->BackColor == 0xE0E0E0 ? ""
                                        : "?";
    for (const tk::Control* c : std::initializer_list<const tk::Control*>{&w.AccelButton, &w.FreqLbl, &w.FreqUnits,
                                                                          &w.AccelUnits, &w.VelUnits, &w.DispUnits})
        s += "|" + c->Caption;
    s += " ";
    for (const tk::Control* c :
         std::initializer_list<const tk::Control*>{&w.AccelButton, &w.FreqLbl, &w.Frequency, &w.FreqUnits, &w.DelBut,
                                                   &w.ClearBut, &w.SineHelp, &w.RanHelp, &w.ShockHelp})
        s += c->Visible ? '+' : '-';
    for (float top : {w.Height, w.EnglishBut.Top, w.MetricBut.Top, w.HelpBut.Top, w.AddLbl1.Top, w.AddLbl2.Top})
        s += " " + std::to_string(std::lround(top / w.fs.ScaleFactor));
    for (const tk::TextBox* b : {&w.Acceleration, &w.Velocity, &w.Displacement})
        s += std::string(" ") + (b->Locked ? "L" : "") + (b->TabStop ? "T" : "");
    int catchers = 0, rows = 0;
    for (const tk::Control* c : {&w.AccelTab, &w.VelTab, &w.DispTab, &w.FreqTab}) catchers += c->TabStop;
    for (int i = 0; i < tessomar::kRows; ++i) rows += w.F[i].TabStop + w.A[i].TabStop;
    return s + " " + (catchers == 4 ? "T" : catchers ? "?" : "-") + (rows == 18 ? "T" : rows ? "?" : "-");
}

} // namespace user
