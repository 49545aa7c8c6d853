// Sound effects in 70 slots and the looping MIDI music.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "platform/music.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "platform/wave.h"

int MidiOpen = 0;
int MidiLoop = 1;

namespace velSound {

velSoundObject Objects[ObjectCount];
int Available = 0;

namespace {
int LoadError(const char* message) {
  velSystem::ReportError("velSound::LoadObject", message);
  return -1;
}

void ReleaseSlot(velSoundObject& o) {
  for (plat::SoundBuffer*& b : o.buffers) {
    plat::StopSound(b);
    plat::DestroySoundBuffer(b);
    b = nullptr;
  }
}

// Makes `count` buffers of one sound; on failure the slot is left empty.
bool FillBuffers(velSoundObject& o, int count, const plat::WaveData& wave) {
  for (int i = 0; i < count; ++i) {
    o.buffers[i] = plat::CreateSoundBuffer(wave.format, wave.samples.data(), wave.samples.size());
    if (!o.buffers[i]) {
      ReleaseSlot(o);
      return false;
    }
    o.frequency[i] = plat::SoundFrequency(o.buffers[i]);
  }
  return true;
}

// The sound in the file beside the executable, made into `count` buffers.
// `read` tells whether the file held a sound at all; its bytes are gone once
// this returns, before any built-in copy is loaded in its place.
bool FillFromFile(velSoundObject& o, int count, const char* name, bool& read) {
  plat::WaveData wave;
  std::vector<uint8_t> bytes;
  read = plat::ReadFile(velSystem::GetExeDir() + name, bytes) && plat::ReadWaveFile(bytes.data(), bytes.size(), wave);
  return read && FillBuffers(o, count, wave);
}

uint32_t Send(const std::string& cmd) { return plat::SendMusicCommand(cmd); }
}  // namespace

int Init() {
  Available = 0;
  if (!plat::OpenAudio()) return 0;
  for (velSoundObject& o : Objects)
    for (plat::SoundBuffer*& b : o.buffers) b = nullptr;
  Available = 1;
  return 1;
}

void ClearObjects() {
  for (velSoundObject& o : Objects) {
    o.copies = 1;
    o.loaded = 0;
    o.cursor = 0;
    o.name[0] = '\0';
  }
}

int LoadObject(const char* name, int copies) {
  if (!Available) return -1;
  int count = std::abs(copies);
  if (count >= MaxCopies + 1) return LoadError("ミックス数が多過ぎます");
  if (count == 0) count = 1;
  // Refused before anything is loaded, so a long name never leaves a slot half made.
  if (!name || std::strlen(name) >= sizeof Objects[0].name) return LoadError("ファイル名またはリソース名が長すぎます");
  int slot = 0;
  while (slot < ObjectCount && Objects[slot].loaded) ++slot;
  if (slot == ObjectCount) return LoadError("オブジェクト数が多過ぎます");

  velSoundObject& o = Objects[slot];
  // The file beside the executable first. One that cannot be read, or whose
  // sound cannot be made into buffers, gives way to the resource of that name.
  constexpr const char* NoBuffer = "サウンドバッファが生成できません";
  bool fileRead = false;
  if (!FillFromFile(o, count, name, fileRead)) {
    plat::WaveData wave;
    const plat::ResourceEntry* r = plat::FindResource(name);
    if (!r || !plat::ReadCanonicalWave(r->data, r->size, wave))
      return LoadError(fileRead ? NoBuffer : "WAVEリソースが見つかりません");
    if (!FillBuffers(o, count, wave)) return LoadError(NoBuffer);
  }
  o.copies = count;
  o.loaded = 1;
  o.cursor = 0;
  std::strncpy(o.name, name, sizeof o.name - 1);
  return slot;
}

void Play(int slot, int) {
  if (!Available || slot < 0 || slot >= ObjectCount || !Objects[slot].loaded) return;
  velSoundObject& o = Objects[slot];
  plat::SoundBuffer* b = o.buffers[o.cursor];
  plat::StopSound(b);
  plat::RewindSound(b);
  plat::PlaySound(b, false);
  o.cursor = (o.cursor + 1) % o.copies;
}

void Release() {
  if (!Available) return;
  for (velSoundObject& o : Objects)
    if (o.loaded) {
      ReleaseSlot(o);
      o.loaded = 0;
    }
  plat::ShutdownMusic();
  MidiOpen = 0;
  plat::CloseAudio();
  Available = 0;
}

void InitMidi() {
  MidiOpen = 0;
  MidiLoop = 1;
}

void PlayMidi(const char* name, int loop) {
  const std::string open = "open \"" + velSystem::GetExeDir() + (name ? name : "") + "\" type sequencer alias midi";
  if (MidiOpen == 1) StopMidi();
  if (Send(open) == 0) {
    Send("seek midi to start");
    Send("play midi notify");
    MidiOpen = 1;
  }
  MidiLoop = loop;
}

uint32_t StopMidi() {
  if (MidiOpen != 1) return 0;
  Send("stop midi");
  const uint32_t result = Send("close midi");
  MidiOpen = 0;
  return result;
}

void OnMidiNotify() {
  if (MidiLoop == 1) {
    Send("seek midi to start");
    Send("play midi notify");
  } else {
    StopMidi();
  }
}

}  // namespace velSound
