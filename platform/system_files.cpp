// Finding the faces through fontconfig and the soundfont among the places
// they are kept, and telling the player at start-up what is missing.
#include "platform/system_files.h"

#include <SDL_ttf.h>
#include <fcntl.h>
#include <fluidsynth.h>
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/sound.h"

namespace plat {
namespace {

struct FaceWanted {
  const char* family;   // the IPA face's family name
  const char* generic;  // fontconfig's kind of face to fall back on
  const char* package;  // the Debian package that has the IPA face
  const char* name;     // what the game calls it
};
const FaceWanted Wanted[] = {
    {"IPAMincho", "serif", "fonts-ipafont-mincho", "Mincho"},
    {"IPAGothic", "sans-serif", "fonts-ipafont-gothic", "Gothic"},
};
int Place(Face face) { return face == Face::Mincho ? 0 : 1; }

bool HasFamily(FcPattern* font, const char* family) {
  FcChar8* name;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0) return true;
  return false;
}

bool OpensInTtf(const FaceFile& face) {
  if (TTF_Init() != 0) return false;
  TTF_Font* font = TTF_OpenFontIndex(face.path.c_str(), 12, face.index);
  if (font) TTF_CloseFont(font);
  TTF_Quit();
  return font != nullptr;
}

// The face fontconfig ranks first for `pattern` (which this takes) among
// those that open and, where `family` is given, are of that family. The
// ranking is fontconfig's match order; walking it rather than taking the best
// match alone steps past a file its cache still lists but that is gone.
FaceFile Match(FcConfig* config, FcPattern* pattern, const char* family) {
  FaceFile face;
  if (!pattern) return face;
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcFontSet* fonts = FcFontSort(config, pattern, FcFalse, nullptr, &result);
  FcPatternDestroy(pattern);
  for (int i = 0; fonts && i < fonts->nfont && face.path.empty(); ++i) {
    FcPattern* font = fonts->fonts[i];
    FcChar8* file;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || (family && !HasFamily(font, family))) continue;
    face.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) face.index = index;
    FcChar8* name;
    if (FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch) face.family = reinterpret_cast<const char*>(name);
    if (!OpensInTtf(face)) face = {};
  }
  if (fonts) FcFontSetDestroy(fonts);
  return face;
}

FaceFile LookUp(FcConfig* config, const FaceWanted& wanted) {
  if (!config) return {};
  FaceFile face = Match(config, FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, wanted.family, nullptr), wanted.family);
  face.named = !face.path.empty();
  if (!face.named)
    face = Match(config,
                 FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, wanted.generic, FC_LANG, FcTypeString, "ja", nullptr),
                 nullptr);
  return face;
}

struct SoundFontSearch {
  std::string path;     // the soundfont found, or empty
  std::string refused;  // else the first that is there but would not open
  int error = 0;        // and why
};

// The synthesiser's compiled-in default soundfont, if it has one.
std::string SynthesiserDefault() {
  std::string path;
  fluid_settings_t* settings = new_fluid_settings();
  char* value = nullptr;
  if (settings && fluid_settings_dupstr(settings, "synth.default-soundfont", &value) == FLUID_OK && value) path = value;
  fluid_free(value);
  if (settings) delete_fluid_settings(settings);
  return path;
}

SoundFontSearch SearchSoundFonts() {
  std::vector<std::string> candidates;
  if (const char* env = std::getenv("SDL_SOUNDFONTS")) {
    for (const char* at = env; *at;) {
      const size_t n = std::strcspn(at, ";");
      if (n > 0) candidates.emplace_back(at, n);
      at += n + (at[n] == ';');
    }
  }
  candidates.push_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
  candidates.push_back(SynthesiserDefault());
  for (const char* place : {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                            "/usr/share/soundfonts/default.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2"})
    candidates.push_back(place);
  SoundFontSearch search;
  for (const std::string& path : candidates) {
    if (path.empty()) continue;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
      if (errno != ENOENT && errno != ENOTDIR && search.refused.empty()) {
        search.refused = path;
        search.error = errno;
      }
      continue;
    }
    struct stat st;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    if (regular) {
      search.path = path;
      return search;
    }
  }
  return search;
}

const SoundFontSearch& SoundFonts() {
  static const SoundFontSearch search = SearchSoundFonts();
  return search;
}

}  // namespace

const FaceFile& FindFace(Face face) {
  // Both faces at the first need of either, from one reading of the system's fonts.
  static const std::array<FaceFile, std::size(Wanted)> found = [] {
    FcConfig* config = FcInitLoadConfigAndFonts();
    const std::array<FaceFile, std::size(Wanted)> faces = {LookUp(config, Wanted[0]), LookUp(config, Wanted[1])};
    if (config) FcConfigDestroy(config);
    return faces;
  }();
  return found[Place(face)];
}

const std::string& SoundFontPath() { return SoundFonts().path; }

void ReportSystemFiles() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  // When the game already holds as many files as it may (the clients of the
  // display and of the sound server hold a dozen), no font or soundfont can
  // be read, and no package is missing.
  const int probe = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (probe >= 0) {
    close(probe);
  } else if (errno == EMFILE || errno == ENFILE) {
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    std::fprintf(stderr,
                 "VELKOR: the game already has as many files open as it may (ulimit -n %llu), so it cannot "
                 "read its fonts and soundfont: text and music may be missing\n",
                 static_cast<unsigned long long>(files.rlim_cur));
    return;
  }
  for (Face face : {Face::Mincho, Face::Gothic}) {
    const FaceWanted& wanted = Wanted[Place(face)];
    const FaceFile& found = FindFace(face);
    if (found.path.empty())
      std::fprintf(stderr, "VELKOR: no font for the %s face, so its text is left out: install %s\n", wanted.name,
                   wanted.package);
    else if (!found.named)
      std::fprintf(stderr, "VELKOR: %s is not installed (%s), so the %s face is drawn in %s\n", wanted.family,
                   wanted.package, wanted.name, found.family.c_str());
  }
  // Without a device no song is heard, whatever the soundfont.
  if (!AudioDeviceOpen()) return;
  const SoundFontSearch& search = SoundFonts();
  if (!search.path.empty()) return;
  if (search.refused.empty())
    std::fprintf(stderr,
                 "VELKOR: no soundfont found, so the music is silent: install timgm6mb-soundfont "
                 "(or name a soundfont in SDL_SOUNDFONTS)\n");
  else
    std::fprintf(stderr, "VELKOR: the soundfont %s cannot be opened (%s), so the music is silent\n",
                 search.refused.c_str(), std::strerror(search.error));
}

}  // namespace plat
