// The error box, drawn by the game in its own window with its own faces, so
// that its Japanese reads in any locale and it lives and dies with the game.
#include "platform/msgbox.h"

#include <SDL.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <new>

#include "platform/display.h"
#include "platform/headless.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/window.h"
#include "platform/window_state.h"

namespace plat {
namespace {
// The log, with room for all it keeps made once.
std::vector<RecordedBox> boxes = [] {
  std::vector<RecordedBox> kept;
  kept.reserve(KeptBoxes);
  return kept;
}();

constexpr int TextHeight = 16;
constexpr int LineStep = 20;
constexpr int Pad = 10;
constexpr int CaptionHeight = 24;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 26;
constexpr int Margin = 8;        // kept clear between the box and the picture's edge
constexpr int WidestBox = 480;

const uint32_t FaceColour = Rgb(0xD4, 0xD0, 0xC8);
const uint32_t FrameColour = Rgb(0x40, 0x40, 0x40);
const uint32_t CaptionColour = Rgb(0x0A, 0x24, 0x6A);
const uint32_t InkColour = Rgb(0, 0, 0);
const uint32_t White = Rgb(0xFF, 0xFF, 0xFF);

// Address space held back for the box: a box most often tells of a failed
// load, and under a cap on address space the failure leaves no room for the
// face, its glyphs and the box's pictures. Held from start-up, given back
// while a box is told, kept, drawn and waited on, and taken again after it,
// as much of it as there is room for. Never touched, so it costs no memory,
// only room under the cap.
class Reserve {
 public:
  Reserve() { Take(); }
  ~Reserve() { Release(); }
  void Take() {
    for (size_t want = Most; !block && want >= Least; want /= 2) {
      block = mmap(nullptr, want, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
      if (block == MAP_FAILED)
        block = nullptr;
      else
        bytes = want;
    }
  }
  void Release() {
    if (block) munmap(block, bytes);
    block = nullptr;
  }

 private:
  static constexpr size_t Most = size_t{16} << 20, Least = size_t{1} << 20;
  void* block = nullptr;
  size_t bytes = 0;
} reserve;

TextStyle Style(uint32_t colour) {
  TextStyle s;
  s.face = Face::Gothic;
  s.height = TextHeight;
  s.color = colour;
  return s;
}

// The text broken into lines that fit `width`, between characters
// (Japanese has no spaces to break at) and at every line feed. False when no
// face draws it.
bool WrapText(const std::string& text, int width, std::vector<std::string>& lines) {
  std::string line;
  bool drawn = true;
  for (size_t at = 0; at < text.size() && drawn;) {
    size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    const std::string character = text.substr(at, end - at);
    at = end;
    if (character == "\n") {
      lines.push_back(line);
      line.clear();
      continue;
    }
    const int wide = TextWidth(line + character, Style(InkColour));
    drawn = wide >= 0;
    if (!line.empty() && wide > width) {
      lines.push_back(line);
      line = character == " " ? "" : character;
    } else {
      line += character;
    }
  }
  lines.push_back(line);
  return drawn;
}

// A filled rectangle with a one-pixel frame.
void Panel(Surface* s, int x1, int y1, int x2, int y2, uint32_t fill) {
  Fill(s, x1, y1, x2, y2, FrameColour);
  Fill(s, x1 + 1, y1 + 1, x2 - 1, y2 - 1, fill);
}

bool Present(const Surface* picture) {
  return PresentToWindow(picture, 0, 0, picture->width, picture->height, W().vsync) == BlitResult::Ok;
}

bool Inside(const BoxRect& r, int x, int y) { return x >= r.x1 && x < r.x2 && y >= r.y1 && y < r.y2; }

// Whether a box can be shown and waited on: a window that shows something,
// drawn in by a renderer, and no close already asked for.
bool BoxCanShow() {
  const WindowState& w = W();
  if (Headless() || !w.exists || !w.window || !w.renderer || !w.screen || w.screenLost) return false;
  return !DriverShowsNothing(SDL_GetCurrentVideoDriver()) && !CloseRequested();
}

// Keeps the box in the log, in place of the oldest when the log is full. A
// box there is no memory for is left out: it is on standard error.
void Keep(const std::string& caption, const std::string& text) {
  if (boxes.size() == KeptBoxes) boxes.erase(boxes.begin());
  try {
    boxes.push_back({caption, text});
  } catch (const std::bad_alloc&) {
  }
}

// Shows the box until it is closed; true when it was closed by a request to
// end the game. Window events that the game still wants are put in `kept`.
bool WaitForBox(const Surface* box, const BoxRect& ok, std::vector<SDL_Event>& kept) {
  bool pressedOnOk = false;
  for (;;) {
    SDL_Event e;
    // A signal becomes SDL_QUIT at the next pump: never wait long for one.
    if (!SDL_WaitEventTimeout(&e, 100)) continue;
    switch (e.type) {
      case SDL_QUIT: return true;
      case SDL_KEYDOWN: {
        if (e.key.repeat) break;
        const SDL_Keycode k = e.key.keysym.sym;
        if (k == SDLK_ESCAPE) return true;
        if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE) return false;
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) pressedOnOk = Inside(ok, e.button.x, e.button.y);
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT && pressedOnOk && Inside(ok, e.button.x, e.button.y)) return false;
        pressedOnOk = false;
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE: return true;
          case SDL_WINDOWEVENT_FOCUS_GAINED:
          case SDL_WINDOWEVENT_FOCUS_LOST:
          case SDL_WINDOWEVENT_MOVED: kept.push_back(e); break;
          default: break;
        }
        // Whatever happened to the window, it shows the box again.
        Present(box);
        break;
      default: break;
    }
  }
}

// Draws the box over the picture last shown and waits until it is closed;
// the picture is shown again after.
void ShowOverPicture(const std::string& caption, const std::string& text) {
  const Surface* screen = ScreenSurface();
  Surface* shown = CreateSurface(screen->width, screen->height);
  Surface* box = CreateSurface(screen->width, screen->height);
  BoxRect ok;
  if (shown && box && Blit(shown, 0, 0, screen, 0, 0, screen->width, screen->height, false) == BlitResult::Ok &&
      Blit(box, 0, 0, shown, 0, 0, shown->width, shown->height, false) == BlitResult::Ok &&
      DrawMessageBox(box, caption, text, ok) && Present(box)) {
    const int cursor = SDL_ShowCursor(SDL_QUERY);
    SDL_ShowCursor(SDL_ENABLE);
    std::vector<SDL_Event> kept;
    const bool endGame = WaitForBox(box, ok, kept);
    SDL_ShowCursor(cursor);
    Present(shown);
    for (SDL_Event& e : kept) SDL_PushEvent(&e);
    // The request stays for the game to read, as any close is read.
    if (endGame && !SDL_QuitRequested()) {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  }
  DestroySurface(box);
  DestroySurface(shown);
}
}  // namespace

bool DrawMessageBox(Surface* picture, const std::string& caption, const std::string& text, BoxRect& ok) {
  const int boxWidth = std::min(picture->width - 2 * Margin, WidestBox);
  std::vector<std::string> lines;
  if (boxWidth <= 2 * Pad || !WrapText(text, boxWidth - 2 * Pad, lines)) return false;
  const int fixedHeight = CaptionHeight + 3 * Pad + ButtonHeight;
  const size_t room = static_cast<size_t>(std::max(1, (picture->height - 2 * Margin - fixedHeight) / LineStep));
  lines.resize(std::min(lines.size(), room));  // the whole text is on standard error
  const int boxHeight = fixedHeight + static_cast<int>(lines.size()) * LineStep;
  const int x1 = (picture->width - boxWidth) / 2, y1 = (picture->height - boxHeight) / 2;
  const int x2 = x1 + boxWidth, y2 = y1 + boxHeight;
  Panel(picture, x1, y1, x2, y2, FaceColour);
  Fill(picture, x1 + 1, y1 + 1, x2 - 1, y1 + CaptionHeight, CaptionColour);
  const int inset = (CaptionHeight - TextHeight) / 2;
  bool drawn = DrawText(picture, x1 + Pad, y1 + inset, caption, Style(White));
  int y = y1 + CaptionHeight + Pad;
  for (const std::string& line : lines) {
    drawn = DrawText(picture, x1 + Pad, y, line, Style(InkColour)) && drawn;
    y += LineStep;
  }
  ok = {(picture->width - ButtonWidth) / 2, y2 - Pad - ButtonHeight, 0, y2 - Pad};
  ok.x2 = ok.x1 + ButtonWidth;
  Panel(picture, ok.x1, ok.y1, ok.x2, ok.y2, FaceColour);
  const int okWidth = TextWidth("OK", Style(InkColour));
  drawn = okWidth >= 0 && DrawText(picture, (ok.x1 + ok.x2 - okWidth) / 2, ok.y1 + (ButtonHeight - TextHeight) / 2,
                                   "OK", Style(InkColour)) && drawn;
  return drawn;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
  // The reserve is given back first: a box about a failed allocation needs
  // memory even to keep its text.
  reserve.Release();
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  Keep(caption, text);
  if (BoxCanShow()) ShowOverPicture(caption, text);
  reserve.Take();
}

const std::vector<RecordedBox>& BoxLog() { return boxes; }
void ClearBoxLog() { boxes.clear(); }
void Beep() { PlayBeepTone(); }

}  // namespace plat
