// Key codes the game compares against; the values are the classic PC
// virtual-key numbers so that Enter is 13 and Esc 27.
#pragma once

namespace plat {
enum Key : int {
  KeyBack = 8,
  KeyTab = 9,
  KeyReturn = 13,
  KeyShift = 16,
  KeyControl = 17,
  KeyAlt = 18,
  KeyPause = 19,
  KeyEscape = 27,
  KeySpace = 32,
  KeyPageUp = 33,
  KeyPageDown = 34,
  KeyEnd = 35,
  KeyHome = 36,
  KeyLeft = 37,
  KeyUp = 38,
  KeyRight = 39,
  KeyDown = 40,
  KeyInsert = 45,
  KeyDelete = 46,
  // '0'..'9' are 48..57, 'A'..'Z' are 65..90
  KeyF1 = 112,
  KeyF2 = 113,
  KeyF3 = 114,
  KeyF4 = 115,
  KeyF5 = 116,
  KeyF6 = 117,
  KeyF7 = 118,
  KeyF8 = 119,
  KeyF9 = 120,
  KeyF10 = 121,
  KeyF11 = 122,
  KeyF12 = 123,
};
constexpr int KeyCount = 256;
}  // namespace plat
