// The music sequencer. The song's state (open, playing, position in time) is
// kept here on the clock, so it runs the same with or without a device; where
// SDL_mixer can play the file through a soundfont, the device plays along.
#include "platform/music.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <span>
#include <vector>

#include "platform/clock.h"
#include "platform/midi.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/system_files.h"
#include "platform/window.h"

namespace plat {
namespace {

struct Song {
  bool open = false;
  std::string alias;
  std::string path;
  uint32_t lengthMs = 0;
  bool playing = false;
  bool notify = false;
  uint32_t startMs = 0;
  int plays = 0;
  std::vector<uint8_t> bytes;     // the song as read from its file, if it came from one
  std::span<const uint8_t> data;  // what the device plays: those bytes or the built-in copy
  Mix_Music* music = nullptr;
};
Song song;
std::atomic<int> deviceFinished{0};
bool soundfontSet = false;

enum : uint32_t {
  Ok = 0,
  ErrSyntax = 257,
  ErrUnknownCommand = 261,
  ErrNoAlias = 263,  // no song is open under that alias
  ErrNoMemory = 264,
  ErrFile = 275,
  ErrAliasTaken = 289,  // a song is open already
};

void OnDeviceFinished() { deviceFinished.store(1); }

// The synthesiser SDL_mixer plays songs through writes a warning to standard
// error for every note it finds no free voice for: a song that piles hundreds
// of notes on its first tick and restarts every frame would write megabytes a
// second, from the audio thread and with the device locked, so that a slow
// reader of standard error holds up every restart and the closing of the
// device. Its warnings and chatter go unsaid; the first few errors are told.
void SynthError(int, const char* message, void*) {
  static std::atomic<int> left{8};
  const int n = left.fetch_sub(1);
  if (n > 0) std::fprintf(stderr, "synthesiser: %s\n", message);
  if (n == 1) std::fprintf(stderr, "synthesiser: further errors are not shown\n");
}

void QuietSynthesiser() {
  for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
  for (int level : {FLUID_PANIC, FLUID_ERR}) fluid_set_log_function(level, SynthError, nullptr);
}

void AbortNotify() {
  if (song.playing && song.notify) PostMessage(MsgMusicNotify, MusicNotifyAborted);
  song.notify = false;
}

void StopPlaying() {
  AbortNotify();
  song.playing = false;
  if (song.music) Mix_HaltMusic();
  deviceFinished.store(0);
}

// The open song made for the device, when one is open.
void LoadOnDevice() {
  if (AudioDeviceOpen()) {
    if (!soundfontSet) {
      if (!SoundFontPath().empty()) Mix_SetSoundFonts(SoundFontPath().c_str());
      QuietSynthesiser();
      Mix_HookMusicFinished(OnDeviceFinished);
      soundfontSet = true;
    }
    song.music = Mix_LoadMUS_RW(SDL_RWFromConstMem(song.data.data(), static_cast<int>(song.data.size())), 1);
  }
}

// The song's play from its start, counted from now, on the device too when
// there is one. Starting over may report the end of what played before:
// that end is not this play's.
void StartPlay() {
  song.startMs = Milliseconds();
  if (song.music) Mix_PlayMusic(song.music, 0);
  deviceFinished.store(0);
}

void CloseSong() {
  StopPlaying();
  if (song.music) Mix_FreeMusic(song.music);
  song = Song{};
}

// Splits a command into words; a double-quoted word may hold spaces.
std::vector<std::string> Words(const std::string& cmd) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < cmd.size()) {
    while (i < cmd.size() && cmd[i] == ' ') ++i;
    if (i >= cmd.size()) break;
    if (cmd[i] == '"') {
      const size_t close = cmd.find('"', i + 1);
      const size_t end = close == std::string::npos ? cmd.size() : close;
      out.push_back(cmd.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      const size_t end = std::min(cmd.find(' ', i), cmd.size());
      out.push_back(cmd.substr(i, end - i));
      i = end;
    }
  }
  return out;
}

uint32_t Open(const std::vector<std::string>& w) {
  // open "<path>" type sequencer alias <alias>
  std::string alias;
  for (size_t i = 2; i + 1 < w.size(); ++i)
    if (w[i] == "alias") alias = w[i + 1];
  if (w.size() < 2 || alias.empty()) return ErrSyntax;
  if (song.open) return ErrAliasTaken;
  // The file first; a song beside the executable that is missing or broken is
  // then looked for among the executable's resources under the same name.
  Song next;
  if (ReadFile(w[1], next.bytes, MaxSongBytes) && MidiPlayable(next.bytes.data(), next.bytes.size(), next.lengthMs)) {
    next.data = next.bytes;
  } else {
    next.bytes = {};
    const std::string& dir = ExeDir();
    const ResourceEntry* r = w[1].compare(0, dir.size(), dir) == 0 ? FindResource(w[1].substr(dir.size())) : nullptr;
    if (!r || !MidiPlayable(r->data, r->size, next.lengthMs)) return ErrFile;
    next.data = {r->data, r->size};
  }
  next.open = true;
  next.alias = alias;
  next.path = w[1];
  song = std::move(next);  // the bytes move with their buffer, which `data` still points into
  LoadOnDevice();
  return Ok;
}

uint32_t Command(const std::string& command, std::string* reply) {
  if (reply) reply->clear();
  const std::vector<std::string> w = Words(command);
  if (w.empty()) return ErrSyntax;
  if (w[0] == "open") return Open(w);
  if (w.size() < 2) return ErrSyntax;
  if (!song.open || w[1] != song.alias) return ErrNoAlias;
  if (w[0] == "close") {
    CloseSong();
  } else if (w[0] == "stop") {
    StopPlaying();
  } else if (w[0] == "seek") {
    // Seeking stops the song and puts it back at its start.
    StopPlaying();
  } else if (w[0] == "play") {
    AbortNotify();
    song.playing = true;
    song.notify = w.size() > 2 && w[2] == "notify";
    ++song.plays;
    StartPlay();
  } else if (w[0] == "status") {
    if (w.size() < 3 || w[2] != "mode") return ErrSyntax;
    if (reply) *reply = song.playing ? "playing" : "stopped";
  } else {
    return ErrUnknownCommand;
  }
  return Ok;
}

}  // namespace

// Only the words of a command and the song's file and names are allocated,
// all before the song changes: memory that runs short fails the command.
uint32_t SendMusicCommand(const std::string& command, std::string* reply) {
  try {
    return Command(command, reply);
  } catch (const std::bad_alloc&) {
    return ErrNoMemory;
  }
}

void PollMusic() {
  KeepAudioDevice();
  if (!song.open || !song.playing) return;
  // A play lasts at least a second, whatever the song or the synthesiser says:
  // a song that ends at once is then started again no more than once a
  // second, rather than every frame with every note of its first moment.
  constexpr uint32_t ShortestPlayMs = 1000;
  const uint32_t played = Milliseconds() - song.startMs;
  if (played < ShortestPlayMs) return;
  // The song's own length decides: the synthesiser reports its end only once
  // the last notes have died away, seconds late for a clean loop.
  const bool deviceDone = song.music && deviceFinished.exchange(0) != 0;
  if (!deviceDone && played < song.lengthMs) return;
  song.playing = false;
  if (song.notify) PostMessage(MsgMusicNotify, MusicNotifySuccessful);
  song.notify = false;
}

void ShutdownMusic() { CloseSong(); }

void ReleaseMusicDevice() {
  if (!song.music) return;
  Mix_FreeMusic(song.music);  // which halts it, and so reports an end that is not the song's
  song.music = nullptr;
  deviceFinished.store(0);
}

// SDL_mixer cannot seek in a song the synthesiser plays, so it starts over.
void RestoreMusicDevice() {
  if (!song.open || song.music) return;
  LoadOnDevice();
  if (song.music && song.playing) StartPlay();
}

bool MusicIsOpen() { return song.open; }
bool MusicIsPlaying() { return song.playing; }
std::string MusicPath() { return song.path; }
int MusicPlayCount() { return song.plays; }
uint32_t MusicLengthMs() { return song.lengthMs; }

}  // namespace plat
