#pragma once

#include "calc/profile.h"
#include "frame/form_state.h"
#include "toolkit/window.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessomar {

inline constexpr int kRows = 9; // rows of the break-point table on screen

// The one window: its 70 controls, the form state and every handler. The
// handlers are defined in the files of their subsystem (sine/, random/,
// modes/, frame/); this class only ties them to the controls' events.
class Tessomar : public tk::Window {
public:
    Tessomar();

    FormState fs;

    // ---- Controls, design values in frame/controls.cpp ----
    tk::PictureBox Picture1{*this, "Picture1"};
    tk::CommandButton SineButton{*this, "SineButton"};
    tk::CommandButton RandomButton{*this, "RandomButton"};
    tk::CommandButton ShockButton{*this, "ShockButton"};
    tk::Line Line1{*this, "Line1"};

    tk::Label AccelLbl{*this, "AccelLbl"};
    tk::TextBox Acceleration{*this, "Acceleration"};
    tk::Label AccelUnits{*this, "AccelUnits"};
    tk::Label VelLbl{*this, "VelLbl"};
    tk::TextBox Velocity{*this, "Velocity"};
    tk::Label VelUnits{*this, "VelUnits"};
    tk::Label DispLbl{*this, "DispLbl"};
    tk::TextBox Displacement{*this, "Displacement"};
    tk::Label DispUnits{*this, "DispUnits"};
    tk::Label FreqLbl{*this, "FreqLbl"};
    tk::TextBox Frequency{*this, "Frequency"};
    tk::Label FreqUnits{*this, "FreqUnits"};
    tk::CommandButton AccelButton{*this, "AccelButton"};

    tk::CommandButton VelTab{*this, "VelTab"};
    tk::CommandButton DispTab{*this, "DispTab"};
    tk::CommandButton FreqTab{*this, "FreqTab"};
    tk::CommandButton AccelTab{*this, "AccelTab"};
    tk::CommandButton AccelBounce{*this, "AccelBounce"};
    tk::CommandButton VelBounce{*this, "VelBounce"};
    tk::CommandButton DispBounce{*this, "DispBounce"};
    tk::CommandButton FreqBounce{*this, "FreqBounce"};
    tk::CommandButton TabDnBounce{*this, "TabDnBounce"};
    tk::CommandButton TabBounce{*this, "TabBounce"};

    tk::CommandButton EnglishBut{*this, "EnglishBut"};
    tk::CommandButton MetricBut{*this, "MetricBut"};
    tk::CommandButton HelpBut{*this, "HelpBut"};

    tk::Label AddLbl1{*this, "AddLbl1"};
    tk::Label AddLbl2{*this, "AddLbl2"};

    tk::CommandButton DelBut{*this, "DelBut"};
    tk::CommandButton ClearBut{*this, "ClearBut"};
    tk::Label BkptBak{*this, "BkptBak"};
    tk::TextBox BkLbl{*this, "BkLbl"};
    tk::TextBox RfreqLbl{*this, "RfreqLbl"};
    tk::TextBox PSDLbl{*this, "PSDLbl"};
    std::array<tk::TextBox, kRows> B{row<tk::TextBox>("B")};
    std::array<tk::TextBox, kRows> F{row<tk::TextBox>("F")};
    std::array<tk::TextBox, kRows> A{row<tk::TextBox>("A")};
    tk::ScrollBar Scroll{*this, "Scroll"};

    tk::TextBox SineHelp{*this, "SineHelp"};
    tk::TextBox RanHelp{*this, "RanHelp"};
    tk::PictureBox ShockHelp{*this, "ShockHelp"};

    // ---- Shared routines of the window ----
    void UpdateSine();     // sine/engine.cpp
    void UpdateShock();    // sine/engine.cpp
    void ShowSineFields(); // sine/engine.cpp
    void MarkEntries();    // sine/entry.cpp
    void UpdateRandom();   // random/table.cpp
    int integrationRuns() const { return m_integrationRuns; }
    void FindEnd();      // random/table.cpp
    void FillHelpText(); // modes/help.cpp
    void ScaleLayout();  // frame/scaling.cpp

    // ---- Handlers ----
    void Form_Load();     // frame/startup.cpp
    void Form_Activate(); // frame/startup.cpp

    // sine/entry.cpp
    void Acceleration_KeyPress(int& keyAscii);
    void Velocity_KeyPress(int& keyAscii);
    void Displacement_KeyPress(int& keyAscii);
    void Frequency_KeyPress(int& keyAscii);
    void SineField_KeyChange(); // a key changed the text of one of the four
    void Acceleration_LostFocus();
    void Velocity_LostFocus();
    void Displacement_LostFocus();
    void Frequency_LostFocus();

    // sine/routing.cpp
    void VelTab_GotFocus();
    void DispTab_GotFocus();
    void FreqTab_GotFocus();
    void AccelTab_GotFocus();
    void AccelBounce_GotFocus();
    void VelBounce_GotFocus();
    void DispBounce_GotFocus();
    void FreqBounce_GotFocus();

    // random/table.cpp
    void Scroll_Change();
    void F_LostFocus(int index);
    void A_LostFocus(int index);
    void DelBut_Click();
    void ClearBut_Click();

    // random/keys.cpp
    void F_GotFocus(int index);
    void A_GotFocus(int index);
    void B_GotFocus(int index);
    void F_KeyPress(int index, int& keyAscii);
    void A_KeyPress(int index, int& keyAscii);
    void F_KeyDown(int index, int& keyCode, int shift);
    void TabBounce_GotFocus();
    void TabDnBounce_GotFocus();
    // The entry being filled in: the one EditRow showed when it was set.
    int editEntry() const { return fs.EditRow + m_editScroll; }

    // random/clipboard.cpp
    // A paste into a table box: a value goes in as typed; break points are
    // placed from the row's entry on, or refused with a beep and the reason
    // at the box, nothing changed. The text is rewritten to what goes in.
    bool F_Pasting(int index, std::string& text);
    bool A_Pasting(int index, std::string& text);
    // A paste into one of the four sine fields: one value, or refused.
    bool SineField_Pasting(tk::TextBox& field, std::string& text);
    // Puts the points into entries first, first + 1, ... as if each value had
    // been typed into its box and committed with Enter, then sorts and
    // integrates once and opens the scroll range down to the next free
    // entry. Returns false, changing nothing, when the points do not fit in
    // the entries up to 50 or (unless verbatim: the copy-out restored entry
    // for entry) one lies outside the table's range. sortedTo, when given,
    // receives the first and last entry the points sorted to.
    bool placeProfile(const std::vector<profile::Point>& points, int first, bool verbatim = false,
                      std::pair<int, int>* sortedTo = nullptr);
    // The break points, the slope and share of g² of each segment, and the
    // three results: tab-separated lines a spreadsheet takes as cells, and
    // the same as an HTML table.
    std::string breakPointsText() const;
    std::string breakPointsHtml() const;
    bool isTableBox(const tk::Control& c) const; // an F, A or B box

    // random/undo.cpp
    // One level of undo for a paste into the table, "Delete Break Pt" and
    // "Clear All": Ctrl+Z in a table box (or its menu) brings back the table,
    // the view and the results as they stood before. A later commit that
    // changes the table drops it.
    void keepForUndo(const char* what);
    void forgetUndo() { m_undo.reset(); }
    // What Ctrl+Z would undo now ("Paste", ...), or empty: nothing kept, or
    // the focused box holds typing not yet committed.
    std::string undoCaption() const;
    void Table_Undo();

    // modes/modes.cpp
    void SineButton_Click();
    void ShockButton_Click();
    void AccelButton_Click();
    void RandomButton_Click();

    // modes/units.cpp
    void EnglishBut_Click();
    void MetricBut_Click();

    // modes/help.cpp
    void HelpBut_Click();

private:
    int m_integrationRuns = 0; // counts UpdateRandom runs

    // The table the last integration left and its results. Sorting and
    // integrating change nothing on that table, so when UpdateRandom is asked
    // for it again (a commit that left a box unchanged) its results stand.
    struct Integrated {
        bool valid = false;
        std::array<float, 52> freq{}, psd{};
        float grms = 0, vel = 0, disp = 0;
    };
    Integrated m_integrated;
    int m_editScroll = 1; // Scroll.Value when EditRow was last set

    struct Snapshot {
        std::string what;
        std::array<float, 52> freq{}, psd{};
        int value = 1, max = 1;
        float grms = 0, vel = 0, disp = 0;
        std::array<std::string, 3> shown; // the result boxes' texts
    };
    std::optional<Snapshot> m_undo;

    void setEditRow(int row);    // random/keys.cpp
    bool editEntryLacks() const; // random/keys.cpp
    void rowGotFocus(int index, bool frequencyBox);

    template <typename T, std::size_t... I> std::array<T, kRows> rowOf(const char* name, std::index_sequence<I...>) {
        return {T(*this, name, static_cast<int>(I))...};
    }
    template <typename T> std::array<T, kRows> row(const char* name) {
        return rowOf<T>(name, std::make_index_sequence<kRows>{});
    }
    void applyDesign(); // frame/controls.cpp
    void wireEvents();  // frame/tessomar.cpp
};

} // namespace tessomar
