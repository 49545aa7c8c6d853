#include "platform/msgbox.h"

#include <SDL.h>

#include <cstdio>

#include "platform/headless.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "platform/window_state.h"

namespace plat {
namespace {
std::vector<RecordedBox> boxes;
int beeps = 0;
}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text) {
  boxes.push_back({caption, text});
  // Where no box can be shown the text goes to standard error instead.
  if (Headless() || !HasWindow() ||
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(), GameSdlWindow()) != 0)
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

const std::vector<RecordedBox>& BoxLog() { return boxes; }
void ClearBoxLog() { boxes.clear(); }
void Beep() {
  ++beeps;
  PlayBeepTone();
}
int BeepCount() { return beeps; }

}  // namespace plat
