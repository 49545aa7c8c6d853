// The load table: every picture and both sounds in their fixed order, each
// into the slot variable that its drawers use.
#include "game/load_order.h"

#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "platform/window.h"
#include "world/pictures.h"

namespace {

struct AssetLoad {
  const char* file;
  int* slot;
  bool sound;
};

#define VELKOR_PICTURE_ROW(name, file) {file, &Pic##name, false},
const AssetLoad LoadOrder[] = {
    VELKOR_PICTURES_FRONT(VELKOR_PICTURE_ROW)  //
    {"SOUND/SHOT.WAV", &SoundShot, true},
    {"SOUND/BOM.WAV", &SoundBom, true},
    VELKOR_PICTURES_BACK(VELKOR_PICTURE_ROW)  //
};
#undef VELKOR_PICTURE_ROW

}  // namespace

void LoadPicturesAndSounds() {
  for (const AssetLoad& asset : LoadOrder) {
    // Closing while the pack loads (the window's close button, SIGINT or
    // SIGTERM) stops the loading: the request is read before any frame runs.
    if (plat::CloseRequested()) return;
    if (asset.sound) {
      *asset.slot = velSound::LoadObject(asset.file, 1);
    } else {
      // A failed load answers 0, the engine's work buffer: keep it out of reach.
      const int slot = velDraw::LoadObject(asset.file, 1);
      *asset.slot = slot >= velDraw::FirstPictureSlot ? slot : NoPicture;
    }
  }
}
