#pragma once

namespace tessomar::view {

// Loads the system's font configuration and makes it the one Qt will use,
// with one preference: the OpenType files of URW Bookman over their Type 1
// twins. Needs nothing from Qt, so the program runs it on a second thread
// while QApplication connects to the display; it must have returned before
// the first font is used. Without a usable configuration it does nothing and
// Qt loads the configuration itself on first use.
void loadFontConfiguration();

} // namespace tessomar::view
