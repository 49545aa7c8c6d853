// The files the game takes from the system rather than from its pack: the
// two Japanese faces, found as the system finds fonts (fontconfig), and the
// soundfont the songs play through.
#pragma once
#include <string>

#include "platform/text.h"

namespace plat {

struct FaceFile {
  std::string path;    // empty when no face was found
  long index = 0;      // the face's place in its file (a collection holds several)
  std::string family;  // its family name, as fontconfig gives it
  bool named = false;  // the game's own IPA face, not the closest stand-in
};

// The font file for a face: the IPA face by its family name, else the
// closest Japanese face of its kind (serif for Mincho, sans-serif for Gothic)
// that fontconfig offers; either only when the file opens in SDL_ttf. Looked
// up on first use and kept.
const FaceFile& FindFace(Face face);

// The soundfont: the first of SDL_SOUNDFONTS (a list split by ';'), the
// game's TimGM6mb, the synthesiser's own default and the places distributions
// keep one that is a regular file and opens for reading. Empty when none is.
// Looked up on first use and kept.
const std::string& SoundFontPath();

// Says on standard error, once a run, which face is missing or drawn in a
// stand-in and, with the sound device open, that no soundfont can be read,
// naming what to install. Called at start-up.
void ReportSystemFiles();

}  // namespace plat
