// Drawing of the player's shots and of the muzzle flashes of the volley just fired.
#include "engine/layout.h"
#include "game/player.h"
#include "game/scenes.h"
#include "game/weapons.h"
#include "world/pictures.h"

namespace {

// The look of one group of a pool: picture, source corner and size, offset.
struct ShotLook {
  const int* slot;
  int sx, sy, w, h, dx, dy;
};

struct PoolLook {
  const PlayerShotRecord* pool;
  int count;
  int groupSize;
  ShotLook looks[6];
};

void DrawLook(int x, int y, const ShotLook& look) {
  DrawPicture(x + look.dx, y + look.dy, *look.slot, look.sx, look.sy, look.sx + look.w, look.sy + look.h);
}

const PoolLook ShotPools[] = {
    {WideShotPool,
     WideShotCount,
     ShotGroup,
     {{&PicSFLH6, 0, 0, 60, 60, 0, 0}, {&PicSFLH7, 0, 0, 60, 60, 0, 0}, {&PicSFLH8, 0, 0, 60, 60, 0, 0}}},
    {TripleShotPool,
     TripleShotCount,
     ShotGroup,
     {{&PicFLW1_3, 0, 0, 120, 60, -30, 0},
      {&PicFLW2_1, 0, 0, 60, 60, 0, 0},
      {&PicFLW3_2, 0, 0, 60, 60, 0, 0}}},
    {FiveWayShotPool,
     FiveWayShotCount,
     ShotGroup,
     {{&PicSFLHV1, 120, 0, 60, 60, 0, 0},
      {&PicSFLHV2, 0, 0, 60, 60, 0, 0},
      {&PicSFLHV2, 60, 0, 60, 60, 0, 0},
      {&PicSFLHV2, 120, 0, 60, 60, 0, 0},
      {&PicSFLHV2, 180, 0, 60, 60, 0, 0},
      {&PicSFLHV2, 240, 0, 60, 60, 0, 0}}},
};

const ShotLook MainSmall = {&PicRAY2, 0, 0, 20, 20, 0, 0};
const ShotLook MainLarge = {&PicRAY1, 0, 0, 30, 30, -5, -5};
const ShotLook OptionLook = {&PicMYME1OP1ST1, 0, 0, 16, 16, 0, 0};
const ShotLook WideFlash = {&PicFLHST12, 0, 0, 70, 50, -5, -15};
const ShotLook SmallFlash = {&PicFLHST2, 0, 0, 70, 36, -5, -15};
const ShotLook TripleBigFlash = {&PicFLHST22, 0, 0, 124, 70, -32, -40};
const ShotLook FiveWayBigFlash = {&PicFLHST22, 0, 0, 124, 70, -32, 5};

}  // namespace

void DrawPlayerShots() {
  if (Difficulty != 1 && Difficulty != 2) return;
  for (int i = 100; i < MainShotCount; ++i)
    if (MainShotPool[i].active) DrawLook(MainShotPool[i].x, MainShotPool[i].y, MainSmall);
  for (int i = 0; i < 100; ++i)
    if (MainShotPool[i].active) DrawLook(MainShotPool[i].x, MainShotPool[i].y, MainLarge);
  for (const PoolLook& look : ShotPools)
    for (int i = 0; i < look.count; ++i)
      if (look.pool[i].active) DrawLook(look.pool[i].x, look.pool[i].y, look.looks[i / look.groupSize]);
  if (ShipType == 2)
    for (const PlayerShotRecord& shot : OptionShotPool)
      if (shot.active) DrawLook(shot.x, shot.y, OptionLook);

  const int px = static_cast<int>(PlayerX), py = static_cast<int>(PlayerY);
  if (WideFired) DrawLook(px, py, WideFlash);
  if (TripleFired) {
    DrawLook(px, py, SmallFlash);
    if (WeaponPowered) DrawLook(px, py, TripleBigFlash);
  }
  if (FiveWayFired) {
    DrawLook(px, py, SmallFlash);
    if (WeaponPowered) DrawLook(px, py, FiveWayBigFlash);
  }
  WideFired = TripleFired = FiveWayFired = 0;
}
