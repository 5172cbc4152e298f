// Whether every control of a window shows its whole text, measured with the
// control's own font at the pixels per inch the program runs at: what a
// person reading the window at 150 or 200 % display scaling would see cut.
#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace orva::testsupport {

// One line per cut text: "<class> <id> \"<text>\": needs W x H, has w x h".
// Covers the window itself (its caption is the system's) and every visible
// control below it: push buttons, check and option buttons, group boxes and
// frames (their captions), labels (wrapped as they wrap), and edit boxes
// (one line of the font must fit their height).
std::vector<std::string> CutTexts(HWND window);

// One line per visible control that lies over a visible sibling (a group box
// and what lies inside it excepted), "<class> <id> over <class> <id>", and,
// with `outside`, that lies partly outside its parent's client area,
// "<class> <id> outside". A window larger than the screen is cut to it, so
// the test screen's size decides whether `outside` can be asked.
std::vector<std::string> CoveredControls(HWND window, bool outside = true);

// The lines above as one text for a test's failure message, each on a line
// of its own.
std::string Listed(const std::vector<std::string>& lines);

// The texts of a window's visible controls, to tell that a window was
// measured with something in it.
int MeasuredControls(HWND window);

} // namespace orva::testsupport
