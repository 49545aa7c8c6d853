// Sound effects in 70 slots and the looping MIDI music.
#pragma once
#include <cstdint>
#include "platform/sound.h"

namespace velSound {
constexpr int MaxCopies = 10;  // copies of one sound that may play at once
}

struct velSoundObject {
  plat::SoundBuffer* buffers[velSound::MaxCopies] = {};
  int loaded = 0;
  int copies = 1;
  int cursor = 0;
  uint32_t frequency[velSound::MaxCopies] = {};
  char name[31] = {};
};

extern int MidiOpen;
extern int MidiLoop;

namespace velSound {

constexpr int ObjectCount = 70;
extern velSoundObject Objects[ObjectCount];
extern int Available;

int Init();
void ClearObjects();
int LoadObject(const char* name, int copies);
void Play(int slot, int mode);
void Release();
void InitMidi();
void PlayMidi(const char* name, int loop);
uint32_t StopMidi();
void OnMidiNotify();

}  // namespace velSound
