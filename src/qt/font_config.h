#pragma once

namespace tessomar::view {

// Loads the system's font configuration and makes it the one Qt will use,
// with one preference: OpenType files over Type 1 ones (URW Bookman comes as
// both). Needs nothing from Qt, so the program runs it on a second thread
// while QApplication connects to the display; it must have returned before
// the first font is used. Without a usable configuration it does nothing and
// Qt loads the configuration itself on first use.
void loadFontConfiguration();

} // namespace tessomar::view
