// Game set-up: screen, clip, every picture and sound in its fixed order, the
// high score and the first scene.
#include "game/assets.h"

#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "game/resets.h"
#include "game/scoring.h"

#define VELKOR_DEFINE_SLOT(name, file) int Pic##name = NoPicture;
VELKOR_PICTURES_FRONT(VELKOR_DEFINE_SLOT)
VELKOR_PICTURES_BACK(VELKOR_DEFINE_SLOT)
#undef VELKOR_DEFINE_SLOT

int SoundShot = -1;
int SoundBom = -1;

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

void DrawPicture(int x, int y, int slot, int sx1, int sy1, int sx2, int sy2) {
  // Slots below 4 are the engine's own buffers, never a picture of ours.
  if (slot < velDraw::FirstPictureSlot || slot >= velDraw::ObjectCount) return;
  velDraw::PutObject(x, y, slot, sx1, sy1, sx2, sy2);
}

void PlaySound(int slot) {
  if (slot < 0 || slot >= velSound::ObjectCount) return;
  velSound::Play(slot, -1);
}

void LoadAssets() {
  velDraw::Screen(ScreenWidth, ScreenHeight, 3);
  velDraw::SetClip(PlayfieldLeft, 0, PlayfieldLeft + PlayfieldWidth, ScreenHeight);
  for (const AssetLoad& asset : LoadOrder) {
    if (asset.sound) {
      *asset.slot = velSound::LoadObject(asset.file, 1);
    } else {
      // A failed load answers 0, the engine's work buffer: keep it out of reach.
      const int slot = velDraw::LoadObject(asset.file, 1);
      *asset.slot = slot >= velDraw::FirstPictureSlot ? slot : NoPicture;
    }
  }
  HighScore = 500;
  ResetGame();
  CurrentScene = SceneTitle;
  PreviousScene = 0;
}
