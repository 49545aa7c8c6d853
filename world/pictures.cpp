// The picture and sound slots, and the draw and play helpers every object
// kind goes through.
#include "world/pictures.h"

#include "engine/velDraw.h"
#include "engine/velSound.h"

#define VELKOR_DEFINE_SLOT(name, file) int Pic##name = NoPicture;
VELKOR_PICTURES_FRONT(VELKOR_DEFINE_SLOT)
VELKOR_PICTURES_BACK(VELKOR_DEFINE_SLOT)
#undef VELKOR_DEFINE_SLOT

int SoundShot = -1;
int SoundBom = -1;

void DrawPicture(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2) {
  // Slots below 4 are the engine's own buffers, never a picture of ours.
  if (slot < velDraw::FirstPictureSlot || slot >= velDraw::ObjectCount) return;
  velDraw::PutObject(x, y, slot, sx1, sy1, sx2, sy2);
}

void PlaySound(int slot) {
  if (slot < 0 || slot >= velSound::ObjectCount) return;
  velSound::Play(slot, -1);
}
