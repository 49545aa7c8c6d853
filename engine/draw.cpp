// The screen, the picture object table, blits, wipes, text and present.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "platform/bmp.h"
#include "platform/display.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "platform/system_files.h"
#include "platform/text.h"
#include "platform/window.h"

ClipRectangle ClipRect;
ClipRectangle PresentSrcRect;
ClipRectangle PresentDestRect;
WipeRecord WipeState;

namespace velDraw {

velDrawObject Objects[ObjectCount];

namespace {
plat::Surface* backBuffer = nullptr;
bool deviceUp = false;
int screenW = 0, screenH = 0;
int vsync = 0;
int loadColorKey = 0;
bool restoredThisPresent = false;
// Everything drawn into the back buffer since the last clear lies inside
// `drawn`; outside it the buffer is black, so a clear blackens just that.
ClipRectangle drawn;

bool IsEmpty(const ClipRectangle& r) { return r.right <= r.left || r.bottom <= r.top; }

void MarkDrawn(const ClipRectangle& r) {
  if (IsEmpty(r)) return;
  if (IsEmpty(drawn)) {
    drawn = r;
    return;
  }
  drawn = {std::min(drawn.left, r.left), std::min(drawn.top, r.top), std::max(drawn.right, r.right),
           std::max(drawn.bottom, r.bottom)};
}

// The font description lives from the screen's set-up to shutdown; the face
// carries over from one text run to the next when none is named.
bool fontReady = false;
plat::TextStyle font;
bool textBegun = false;

const char* const InternalNames[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};

// COLORREF (0x00BBGGRR) to our pixel value.
uint32_t KeyPixel(int colorRef) {
  const uint32_t c = static_cast<uint32_t>(colorRef);
  return plat::Rgb(c & 255, (c >> 8) & 255, (c >> 16) & 255);
}

void ClearSlot(velDrawObject& o) {
  plat::DestroySurface(o.surface);
  o = velDrawObject{};
}

// Every picture loaded into the table together may take PictureBudgetBytes
// as surfaces: four times the game's own (some 24 MiB), so that pictures put
// beside the game may be several times larger, yet a pack of pictures each
// at the largest size decoded cannot take gigabytes, and the game keeps room
// for the synthesiser under a cap on its address space. A picture from
// beside the game that would go past the budget is not taken; its built-in
// copy is, as for a damaged file, and is always taken.
constexpr uint64_t PictureBudgetBytes = uint64_t{96} << 20;

uint64_t PictureBytesInUse() {
  uint64_t bytes = 0;
  for (int i = FirstPictureSlot; i < ObjectCount; ++i)
    if (const plat::Surface* s = Objects[i].surface) bytes += s->pixels.size() * sizeof s->pixels[0];
  return bytes;
}

bool FitsBudget(const uint8_t* header, size_t size, plat::BmpShape& shape) {
  return plat::ReadBmpShape(header, size, shape) &&
         PictureBytesInUse() + shape.SurfaceBytes() <= PictureBudgetBytes;
}

// A picture from beside the game: its header is read first, and the rest
// only when the picture fits the budget, and only as far as the picture goes.
plat::Surface* ReadPictureFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  plat::BmpShape shape;
  if (!plat::ReadFileStart(path, plat::BmpHeaderBytes, bytes) || !FitsBudget(bytes.data(), bytes.size(), shape) ||
      !plat::ReadFileStart(path, shape.fileBytes, bytes))
    return nullptr;
  return plat::DecodeBmp(bytes.data(), bytes.size());
}

// A resource under the picture's full path first (the pack names none so: a
// test registers one there to stand in for the file), then the file beside
// the executable, then the resource under the picture's name.
plat::Surface* LoadPicture(const std::string& name) {
  const std::string path = velSystem::GetExeDir() + name;
  plat::BmpShape shape;
  if (const plat::ResourceEntry* r = plat::FindResource(path))
    if (FitsBudget(r->data, r->size, shape))
      if (plat::Surface* s = plat::DecodeBmp(r->data, r->size)) return s;
  if (plat::Surface* s = ReadPictureFile(path)) return s;
  if (const plat::ResourceEntry* r = plat::FindResource(name)) return plat::DecodeBmp(r->data, r->size);
  return nullptr;
}

bool FillSlot(velDrawObject& o, const char* name, int colorKey) {
  plat::Surface* s = LoadPicture(name);
  if (!s) return false;
  o.surface = s;
  o.width = static_cast<uint16_t>(s->width);
  o.height = static_cast<uint16_t>(s->height);
  o.colorKey = colorKey;
  s->colorKey = KeyPixel(colorKey);
  return true;
}

int SwapObject(int slot) {
  velDrawObject& o = Objects[slot];
  const std::string name = o.name;
  plat::DestroySurface(o.surface);
  o.surface = nullptr;
  if (name.size() >= sizeof o.name)
    return velSystem::ReportError("velDraw::SwapObject", "ファイル名またはリソース名が長すぎます");
  if (!FillSlot(o, name.c_str(), loadColorKey))
    return velSystem::ReportError("velDraw::SwapObject", "BMPファイルを読み込めません");
  return 1;
}

int ScreenError(const char* message) { return velSystem::ReportError("velDraw::Screen", message); }

// Clips to ClipRect, then blits when everything lies inside both surfaces.
void ClippedBlit(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2, bool keyed) {
  if (!backBuffer || slot < 0 || slot >= ObjectCount) return;
  const plat::Surface* src = Objects[slot].surface;
  if (!src) return;
  const BlitArea b = Clip(x, y, sx1, sy1, sx2, sy2);
  if (b.Empty()) return;
  // A rectangle outside either surface is refused whole.
  if (b.sx1 < 0 || b.sy1 < 0 || b.sx2 > src->width || b.sy2 > src->height) return;
  if (b.x < 0 || b.y < 0 || b.x + (b.sx2 - b.sx1) > backBuffer->width || b.y + (b.sy2 - b.sy1) > backBuffer->height)
    return;
  const int dx = static_cast<int>(b.x), dy = static_cast<int>(b.y);
  MarkDrawn({dx, dy, dx + static_cast<int>(b.sx2 - b.sx1), dy + static_cast<int>(b.sy2 - b.sy1)});
  if (plat::Blit(backBuffer, dx, dy, src, static_cast<int>(b.sx1), static_cast<int>(b.sy1), static_cast<int>(b.sx2),
                 static_cast<int>(b.sy2), keyed) == plat::BlitResult::Lost)
    Restore();
}

void DrawWipe() {
  WipeRecord& w = WipeState;
  if (w.type == CoverWipe) {
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 10; ++c) PutObject(c * 64, r * 48, 0, (w.progress - 1) * 64, 0, w.progress * 64, 48);
  } else if (w.type == RevealWipe) {
    const int step = w.steps > 0 ? w.steps : 1;  // a zero step count would never leave the loop
    for (int y = 0; y < screenH; y += step) PutObjectOpaque(0, y, 1, 0, y, screenW, y + w.progress + 1);
  }
  w.progress += w.direction;
  if ((w.direction < 0 && w.progress < 1) || (w.direction > 0 && w.progress > 10)) {
    w.progress = 0;
    w.direction = 0;
  }
}
}  // namespace

bool Ready() { return backBuffer != nullptr; }
plat::Surface* ReadPicture(const char* name) { return LoadPicture(name); }
const plat::Surface* BackBuffer() { return backBuffer; }

int Screen(int width, int height, int) {
  backBuffer = nullptr;
  deviceUp = false;
  restoredThisPresent = false;
  screenW = width;
  screenH = height;
  SetClip(0, 0, width, height);
  deviceUp = true;
  if (!plat::ScreenSurface()) return ScreenError("表画面が生成できません");
  plat::Surface* back = plat::CreateSurface(width, height);
  if (!back) return ScreenError("裏画面が生成できません");
  static const char* const failures[4] = {"Bufferスプライトが生成できません", "Screenスプライトが生成できません",
                                          "Fontスプライトが生成できません", "Fontバッファスプライトが生成できません"};
  for (int i = 0; i < 4; ++i) {
    ClearSlot(Objects[i]);
    plat::Surface* s = plat::CreateSurface(width, height);
    if (!s) {
      plat::DestroySurface(back);
      return ScreenError(failures[i]);
    }
    Objects[i].surface = s;
    std::strncpy(Objects[i].name, InternalNames[i], sizeof Objects[i].name - 1);
    Objects[i].colorKey = 0;
    Objects[i].width = static_cast<uint16_t>(width);
    Objects[i].height = static_cast<uint16_t>(height);
  }
  backBuffer = back;
  drawn = {};
  for (int i = FirstPictureSlot; i < ObjectCount; ++i) ClearSlot(Objects[i]);
  PresentSrcRect = {0, 0, width, height};
  PresentDestRect = {ClientOriginX, ClientOriginY, ClientOriginX + width, ClientOriginY + height};
  velSound::Init();
  velSound::ClearObjects();
  velSound::InitMidi();
  velSystem::InitWaits();
  InitFonts();
  plat::ReportSystemFiles();  // what is missing of the system's faces and soundfont, said at start
  return 1;
}

int LoadObject(const char* name, int) {
  if (!name || std::strlen(name) >= sizeof Objects[0].name)
    return velSystem::ReportError("velDraw::LoadObject", "ファイル名またはリソース名が長すぎます");
  int slot = FirstPictureSlot;
  while (slot < ObjectCount && Objects[slot].name[0] != '\0') ++slot;
  if (slot == ObjectCount) return velSystem::ReportError("velDraw::LoadObject", "オブジェクト数が多過ぎます");
  velDrawObject& o = Objects[slot];
  std::strncpy(o.name, name, sizeof o.name - 1);
  if (!backBuffer || !FillSlot(o, name, 0))
    return velSystem::ReportError("velDraw::LoadObject", "BMPファイルを読み込めません");
  return slot;
}

void Restore() {
  if (!backBuffer || restoredThisPresent) return;
  restoredThisPresent = true;
  plat::RestoreScreen();
  if (backBuffer->lost) plat::RestoreSurface(backBuffer);
  for (int i = 0; i < FirstPictureSlot; ++i)
    if (Objects[i].surface && Objects[i].surface->lost) plat::RestoreSurface(Objects[i].surface);
  for (int i = FirstPictureSlot; i < ObjectCount; ++i) {
    velDrawObject& o = Objects[i];
    if (o.name[0] == '\0' || !o.surface || !o.surface->lost) continue;
    plat::RestoreSurface(o.surface);
    SetColorKey(o.colorKey);
    SwapObject(i);
  }
}

void Release() {
  if (!deviceUp) return;
  for (velDrawObject& o : Objects) ClearSlot(o);
  plat::DestroySurface(backBuffer);
  backBuffer = nullptr;
  restoredThisPresent = false;
  if (FullScreen) plat::LeaveFullScreen();
  deviceUp = false;
}

void SetClip(int left, int top, int right, int bottom) { ClipRect = {left, top, right, bottom}; }
void SetColorKey(int color) { loadColorKey = color; }
int GetDesktopDepth() { return plat::DesktopDepth(); }

void PutObject(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2) {
  ClippedBlit(x, y, slot, sx1, sy1, sx2, sy2, true);
}

void PutObjectOpaque(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2) {
  ClippedBlit(x, y, slot, sx1, sy1, sx2, sy2, false);
}

void ClearScreen() {
  if (!backBuffer) return;
  if (plat::Fill(backBuffer, drawn.left, drawn.top, drawn.right, drawn.bottom, 0) == plat::BlitResult::Lost)
    Restore();
  else
    drawn = {};
}

void CaptureScreen(int slot, int left, int top, int right, int bottom) {
  if (!backBuffer || slot < 0 || slot >= ObjectCount || !Objects[slot].surface) return;
  if (plat::Blit(Objects[slot].surface, 0, 0, backBuffer, left, top, right, bottom, false) == plat::BlitResult::Lost)
    Restore();
}

void Present() {
  if (!backBuffer) return;
  if (WipeState.progress != 0) DrawWipe();
  const ClipRectangle& s = PresentSrcRect;
  if (plat::PresentToWindow(backBuffer, s.left, s.top, s.right, s.bottom, vsync != 0) == plat::BlitResult::Lost)
    Restore();
  restoredThisPresent = false;
}

void StartCoverWipe() {
  WipeState.progress = 1;
  WipeState.direction = 1;
}

void SetVSync(int flag) { vsync = flag; }

void InitFonts() { fontReady = true; }

void FreeFont() {
  fontReady = false;
  textBegun = false;
  plat::ShutdownText();
}

void BeginText(int face, int height, int escapement, int bold, int italic, int underline) {
  if (!fontReady || !backBuffer) return;
  if (face == 0) font.face = plat::Face::Mincho;
  if (face == 1) font.face = plat::Face::Gothic;
  font.height = height;
  font.escapementDegrees = escapement;
  font.bold = bold == 1;
  font.italic = italic != 0;
  font.underline = underline != 0;
  textBegun = true;
}

void SetTextColor(uint32_t textColor, uint32_t backColor, int transparent) {
  font.color = KeyPixel(static_cast<int>(textColor));
  font.background = KeyPixel(static_cast<int>(backColor));
  font.transparent = transparent == 1;
}

void PutText(int x, int y, const char* text) {
  if (!textBegun || !backBuffer || !text) return;
  MarkDrawn({0, 0, backBuffer->width, backBuffer->height});
  plat::DrawText(backBuffer, x, y, text, font);
}

void EndText() { textBegun = false; }

void PutTextLine(int x, int y, const char* text) {
  BeginText(1, 12, 0, 0, 0, 0);
  SetTextColor(0xFFFFFF, 0x800000, 0);
  PutText(x, y, text);
  EndText();
}

}  // namespace velDraw
