#include "modes/help_texts.h"

#include <initializer_list>
#include <string_view>

namespace tessomar {

namespace {

std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace

// The leading blanks indent the panel's paragraphs; line 4 of each text
// keeps its trailing blank.
std::string sineHelpText() {
    return joinLines({
        "            Tessomar Sine Function Help",
        " ",
        "  Use Tessomar to calculate acceleration,",
        "     velocity, displacement, and frequency ",
        "     components of sine mechanical vibration.",
        "  Enter any two known parameters and the",
        "     remaining two are automatically displayed.",
        "  The two numbers used for the calculation",
        "     are displayed in green (last) and yellow",
        "     (prior).  The white numbers are calculated.",
        "  Use the 'Enter' key to change the same",
        "     parameter. 'Tab' to change parameters.",
    });
}

std::string randomHelpText() {
    return joinLines({
        "          Tessomar Random Function Help",
        " ",
        "  Use Tessomar to calculate the overall accel-",
        "     eration, velocity, and displacement of a ",
        "     random spectrum of mechanical vibration.",
        " ",
        "  Enter the Random spectrum shape using",
        "     frequency and acceleration PSD break",
        "     point pairs.",
        " ",
        "  Up to 50 break points can be entered in",
        "     any order.  Tessomar sorts the break points",
        "     in ascending frequency order and calcu-",
        "     lates the overall rms acceleration, 3 sigma",
        "     peak velocity and 3 sigma peak to peak",
        "     displacement that results from the",
        "     acceleration spectrum entered.",
        " ",
        "  The 'Delete Break Pt' button can be used to",
        "     eliminate a single break point, and the",
        "     'Clear All' button clears all of the points.",
        " ",
        "  Use the 'Enter' key to add new break point",
        "     data and automatically advance to the next",
        "     break point. Use the 'Tab' key and scroll",
        "     bar to move through the break point data.",
    });
}

} // namespace tessomar
