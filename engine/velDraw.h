// The screen, the picture object table, blits, text, wipes and present.
#pragma once
#include <cstdint>
#include "platform/surface.h"

struct ClipRectangle {
  int left = 0, top = 0, right = 0, bottom = 0;
};
extern ClipRectangle ClipRect;
extern ClipRectangle PresentSrcRect;
extern ClipRectangle PresentDestRect;

// The wipe kinds. The covering wipe lasts ten presents, each blitting a grid
// of 64 x 48 tiles of slot 0 over the top-left 640 x 480 pixels, cut to the
// clip rectangle (in the game the playfield's top 480 rows); slot 0 is blank
// and keyed black, so it covers nothing and the last frame stays as it was
// (no scene runs while it plays). The revealing wipe opens blinds on the
// screen captured in slot 1.
constexpr int CoverWipe = 0;
constexpr int RevealWipe = 3;

struct WipeRecord {
  int type = CoverWipe;
  int progress = 0;  // 0: no wipe
  int steps = 0;
  int direction = 0;  // +1 covering, -1 revealing, 0 none
};
extern WipeRecord WipeState;

struct velDrawObject {
  plat::Surface* surface = nullptr;
  char name[31] = {};
  int colorKey = 0;
  uint16_t width = 0;
  uint16_t height = 0;
};

namespace velDraw {

constexpr int ObjectCount = 500;
constexpr int FirstPictureSlot = 4;
extern velDrawObject Objects[ObjectCount];

int Screen(int width, int height, int memType);
int LoadObject(const char* name, int memType);
void Restore();
void Release();
void SetClip(int left, int top, int right, int bottom);
void SetColorKey(int color);
int GetDesktopDepth();
// True once Screen has made the back buffer (draws are no-ops before).
bool Ready();

// A picture blit at (x, y) from the source rectangle (sx1, sy1)-(sx2, sy2),
// cut to ClipRect as every blit is, in wide arithmetic so that nothing
// overflows. A cut that leaves a negative width or height draws nothing.
struct BlitArea {
  int64_t x, y, sx1, sy1, sx2, sy2;
  bool Empty() const { return sx2 < sx1 || sy2 < sy1; }
};
inline BlitArea Clip(int x, int y, int sx1, int sy1, int sx2, int sy2) {
  BlitArea b{x, y, sx1, sy1, sx2, sy2};
  const ClipRectangle& c = ClipRect;
  if (b.x - b.sx1 + b.sx2 > c.right) b.sx2 = c.right - b.x + b.sx1;
  if (b.y - b.sy1 + b.sy2 > c.bottom) b.sy2 = c.bottom - b.y + b.sy1;
  if (b.x < c.left) {
    b.sx1 += c.left - b.x;
    b.x = c.left;
  }
  if (b.y < c.top) {
    b.sy1 += c.top - b.y;
    b.y = c.top;
  }
  return b;
}

void PutObject(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2);
void PutObjectOpaque(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2);
void ClearScreen();
void CaptureScreen(int slot, int left, int top, int right, int bottom);
void Present();
void StartCoverWipe();
void SetVSync(int flag);

void InitFonts();
void FreeFont();
void BeginText(int face, int height, int escapement, int bold, int italic, int underline);
void SetTextColor(uint32_t textColor, uint32_t backColor, int transparent);
void PutText(int x, int y, const char* text);
void EndText();
void PutTextLine(int x, int y, const char* text);

// The back buffer every frame is drawn into (null before Screen), to read:
// only the drawing operations above write to it.
const plat::Surface* BackBuffer();
// Reads a picture the way LoadObject does (a resource under its full path,
// then the file beside the executable, then the resource under its name)
// without giving it a slot; null when it cannot be read. The caller destroys
// it.
plat::Surface* ReadPicture(const char* name);

}  // namespace velDraw
