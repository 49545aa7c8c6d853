// The modal message box, and the simple beep before it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

struct RecordedBox {
  std::string caption;
  std::string text;
};

// Writes "caption: text" to standard error and to `BoxLog()`, then, where the
// game's window shows a picture, draws the box over the picture last shown
// and waits until it is closed. Enter, Space or a click on OK close it and the
// game goes on; Esc, the window's close button, SIGINT and SIGTERM close it
// and leave the request to close the game waiting (CloseRequested() is true).
// No box waits headless, without a window, on a video driver that shows
// nothing, when no face draws its text, or when a close is already asked.
void ShowMessageBox(const std::string& caption, const std::string& text);
// Draws the box centred on the picture, its text wrapped at characters to
// fit; false when no face draws the text. Where OK lies is put in `ok`.
struct BoxRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
bool DrawMessageBox(Surface* picture, const std::string& caption, const std::string& text, BoxRect& ok);
// The last KeptBoxes boxes told, oldest first: a game that tells box after
// box holds no more than these.
inline constexpr size_t KeptBoxes = 16;
const std::vector<RecordedBox>& BoxLog();
void ClearBoxLog();
void Beep();

}  // namespace plat
