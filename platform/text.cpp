// Text on surfaces through the system's Japanese faces, rendered by SDL_ttf.
#include "platform/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <utility>

#include "platform/system_files.h"

namespace plat {
namespace {
bool ttfReady = false;
std::map<std::pair<int, int>, TTF_Font*> fonts;  // (face, height) -> font

TTF_Font* OpenFont(Face face, int height) {
  if (!ttfReady) {
    if (TTF_Init() != 0) return nullptr;
    ttfReady = true;
  }
  height = std::max(1, std::abs(height));
  const auto key = std::make_pair(static_cast<int>(face), height);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  const FaceFile& file = FindFace(face);
  if (file.path.empty()) return nullptr;
  TTF_Font* f = TTF_OpenFontIndex(file.path.c_str(), height, file.index);
  if (f) fonts[key] = f;
  return f;
}

// The style's font with its weight, slant and underline set; null when none opens.
TTF_Font* StyledFont(const TextStyle& style) {
  TTF_Font* font = OpenFont(style.face, style.height);
  if (!font) return nullptr;
  int flags = TTF_STYLE_NORMAL;
  if (style.bold) flags |= TTF_STYLE_BOLD;
  if (style.italic) flags |= TTF_STYLE_ITALIC;
  if (style.underline) flags |= TTF_STYLE_UNDERLINE;
  TTF_SetFontStyle(font, flags);
  return font;
}
}  // namespace

int TextWidth(const std::string& utf8, const TextStyle& style) {
  TTF_Font* font = StyledFont(style);
  int w = 0, h = 0;
  if (!font || TTF_SizeUTF8(font, utf8.c_str(), &w, &h) != 0) return -1;
  return w;
}

bool DrawText(Surface* dst, int x, int y, const std::string& utf8, const TextStyle& style) {
  if (!dst || utf8.empty()) return dst != nullptr;
  dst->keyRuns.clear();
  TTF_Font* font = StyledFont(style);
  if (!font) return false;
  const SDL_Color fg{Uint8(style.color >> 16), Uint8(style.color >> 8), Uint8(style.color), 255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), fg);
  if (!rendered) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return false;
  const uint32_t bg = style.background & 0xFFFFFF;
  for (int row = 0; row < argb->h; ++row) {
    const int dy = y + row;
    if (dy < 0 || dy >= dst->height) continue;
    const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + row * argb->pitch);
    for (int col = 0; col < argb->w; ++col) {
      const int dx = x + col;
      if (dx < 0 || dx >= dst->width) continue;
      uint32_t& d = dst->Row(dy)[dx];
      const uint32_t under = style.transparent ? d : bg;
      const uint32_t a = src[col] >> 24;
      uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t s = (src[col] >> shift) & 255, u = (under >> shift) & 255;
        out |= ((s * a + u * (255 - a)) / 255) << shift;
      }
      d = out;
    }
  }
  SDL_FreeSurface(argb);
  return true;
}

void ShutdownText() {
  for (auto& [key, font] : fonts) TTF_CloseFont(font);
  fonts.clear();
  if (ttfReady) TTF_Quit();
  ttfReady = false;
}

int OpenFontCount() { return static_cast<int>(fonts.size()); }

}  // namespace plat
