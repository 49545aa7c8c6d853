// Text on surfaces through the system's Japanese faces.
#pragma once
#include <string>
#include "platform/surface.h"

namespace plat {

enum class Face { Mincho, Gothic };

struct TextStyle {
  Face face = Face::Gothic;
  int height = 12;
  int escapementDegrees = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  uint32_t color = 0xFFFFFF;
  uint32_t background = 0;
  bool transparent = true;
};

// Draws UTF-8 text with its top-left at (x, y), clipped to the surface.
// Returns false when no font could be opened (nothing drawn).
bool DrawText(Surface* dst, int x, int y, const std::string& utf8, const TextStyle& style);
// How wide the text would be drawn, in pixels; -1 when no font could be opened.
int TextWidth(const std::string& utf8, const TextStyle& style);
// Closes every font opened so far.
void ShutdownText();
// Number of fonts open, for leak checks.
int OpenFontCount();

}  // namespace plat
