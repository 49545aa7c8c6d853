// The modal message box, and the simple beep before it.
#pragma once
#include <string>
#include <vector>

namespace plat {

struct RecordedBox {
  std::string caption;
  std::string text;
};

// Shows a modal warning box where a display exists; headless, or when the box
// cannot be shown, it is printed to standard error. Either way it is written to `BoxLog()`.
void ShowMessageBox(const std::string& caption, const std::string& text);
const std::vector<RecordedBox>& BoxLog();
void ClearBoxLog();
void Beep();
int BeepCount();

}  // namespace plat
