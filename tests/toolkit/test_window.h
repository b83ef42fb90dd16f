#pragma once

#include "toolkit/window.h"

#include <map>
#include <string>
#include <vector>

namespace tktest {

// A small window of our own: three text boxes, two buttons, a scroll bar and
// a label. Every focus event, click and scroll change is written to `log`
// ("One+" gains, "One-" loses, "Ok!" clicked, "Bar=5" changed), so a test can
// check the order in which the window raised them.
class TestWindow : public tk::Window {
public:
    TestWindow() {
        Height = 3300;
        frameHeight = 300; // client area 3000 high
        place(One, 100, 0);
        place(Two, 500, 1);
        place(Three, 900, 2);
        place(Ok, 1300, 3);
        place(Cancel, 1700, 4);
        place(Bar, 100, 5);
        place(Note, 2100, 6);
        Ok.Caption = "&Ok", Cancel.Caption = "&Cancel";
        Bar.setMin(1), Bar.setMax(20), Bar.setValue(1), Bar.LargeChange = 7;
        for (tk::Control* c : controls()) {
            c->GotFocus = [this, c] { log.push_back(c->name() + "+"); };
            c->LostFocus = [this, c] { log.push_back(c->name() + "-"); };
            c->Click = [this, c] { log.push_back(c->name() + "!"); };
        }
        Bar.Change = [this] { log.push_back("Bar=" + std::to_string(Bar.Value())); };
    }

    tk::TextBox One{*this, "One"};
    tk::TextBox Two{*this, "Two"};
    tk::TextBox Three{*this, "Three"};
    tk::CommandButton Ok{*this, "Ok"};
    tk::CommandButton Cancel{*this, "Cancel"};
    tk::ScrollBar Bar{*this, "Bar"};
    tk::Label Note{*this, "Note"};

    std::vector<std::string> log;

    std::string joined() const {
        std::string s;
        for (const std::string& e : log) s += (s.empty() ? "" : ",") + e;
        return s;
    }

    // Adds behaviour to a focus event while keeping its log entry first.
    static void after(std::function<void()>& event, std::function<void()> extra) {
        event = [first = event, extra] {
            first();
            extra();
        };
    }

    // Each control's own focus events must alternate gain, lose, gain...:
    // a control never loses a focus it was not given.
    bool focusEventsAlternate() const {
        std::map<std::string, char> last;
        for (const std::string& e : log) {
            const char sign = e.back();
            if (sign != '+' && sign != '-') continue;
            const std::string who = e.substr(0, e.size() - 1);
            const char before = last.count(who) ? last[who] : '-';
            if (before == sign) return false;
            last[who] = sign;
        }
        const tk::Control* holder = focused();
        return !holder || last[holder->name()] == '+';
    }

private:
    void place(tk::Control& c, float top, int tabIndex) {
        c.Left = 100, c.Top = top, c.Width = 1000, c.Height = 300, c.TabIndex = tabIndex;
    }
};

} // namespace tktest
