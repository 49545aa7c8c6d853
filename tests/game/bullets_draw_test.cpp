// The bullet drawers read back from the back buffer, with pictures painted one
// colour per frame or column.
#include "bullets/bullet_routines.h"
#include "bullets/bullets.h"
#include "tests/game/bullets_fixture.h"

namespace {

using gametest::PlantPicture;

uint32_t Colour(int i) {
  return plat::Rgb(0x20 + i, 0x90, 0x40);
}

class BulletDraw : public bullettest::BulletsOnScreen {
 protected:
  // Paints `count` cells of w x h side by side, cell i in Colour(first + i).
  static void Paint(int& slot, int count, int w, int h, int first = 0) {
    ASSERT_GE(slot, velDraw::FirstPictureSlot) << "picture not loaded";
    plat::Surface* s = PlantPicture(slot, 0, count * w, h);
    for (int i = 0; i < count; ++i) plat::Fill(s, i * w, 0, i * w + w, h, Colour(first + i));
  }
  // The cell whose colour the back buffer shows at (x, y), or -1.
  int CellAt(int x, int y) const {
    for (int i = 0; i < 30; ++i)
      if (run->BackPixel(x, y) == Colour(i)) return i;
    return -1;
  }
};

TEST_F(BulletDraw, StripShowsTheRecordsFrameAndWrapsIt) {
  Paint(PicVAL20241, 24, 20, 20);
  AngleBulletRecord& r = Stage1RadialPool03[4];
  r.x = PlayfieldLeft + 100.7f;
  r.y = 200.9f;
  r.frame = 23;
  const int parked = Stage1RadialPool03[0].frame;
  DrawStage1Radial03();
  EXPECT_EQ(CellAt(PlayfieldLeft + 100, 200), 23) << "fraction dropped";
  EXPECT_EQ(CellAt(PlayfieldLeft + 119, 219), 23);
  EXPECT_EQ(r.frame, 0);
  EXPECT_EQ(Stage1RadialPool03[0].frame, parked + 1) << "parked records advance too";
  DrawStage1Radial03();
  EXPECT_EQ(CellAt(PlayfieldLeft + 110, 210), 0);
  EXPECT_EQ(r.frame, 1);
}

TEST_F(BulletDraw, FanLanesCutTheirOwnColumn) {
  Paint(PicVAL404, 7, 40, 40);
  for (int k = 7; k < 14; ++k) {
    Stage1FanPool01[k].x = PlayfieldLeft + 45 * (k - 7);
    Stage1FanPool01[k].y = 300;
  }
  DrawStage1Fan01();
  for (int j = 0; j < 7; ++j) EXPECT_EQ(CellAt(PlayfieldLeft + 45 * j + 20, 320), j) << j;
}

TEST_F(BulletDraw, TwoWayPairsDrawTheirSideColumns) {
  Paint(PicVAL405, 5, 40, 40);
  Stage1TwoWayPool01[0].x = PlayfieldLeft + 50;
  Stage1TwoWayPool01[1].x = PlayfieldLeft + 150;
  Stage3TwoWayPool01[1].x = PlayfieldLeft + 250;
  Stage1TwoWayPool01[0].y = Stage1TwoWayPool01[1].y = Stage3TwoWayPool01[1].y = 100;
  DrawStage1TwoWay01();
  DrawStage3TwoWay01();
  EXPECT_EQ(CellAt(PlayfieldLeft + 70, 120), 2);
  EXPECT_EQ(CellAt(PlayfieldLeft + 170, 120), 4);
  EXPECT_EQ(CellAt(PlayfieldLeft + 270, 120), 3);
}

TEST_F(BulletDraw, WhipsDrawOnlyArmedShotsAndTheLastWithItsOwnPicture) {
  Paint(PicVAL3017A, 1, 30, 30);
  Paint(PicVAL3015A, 1, 30, 30, 5);
  for (int k = 0; k < 7; ++k) {
    Stage2WhipPool01[k].x = PlayfieldLeft + 40 * k;
    Stage2WhipPool01[k].y = 100;
    Stage2WhipPool01[k].active = k != 2;
  }
  DrawStage2Whip01();
  EXPECT_EQ(CellAt(PlayfieldLeft + 15, 115), 0);
  EXPECT_EQ(CellAt(PlayfieldLeft + 95, 115), -1) << "an idle shot is not drawn";
  EXPECT_EQ(CellAt(PlayfieldLeft + 215, 115), 0);
  EXPECT_EQ(CellAt(PlayfieldLeft + 255, 115), 5) << "record 6 uses the second picture";
}

TEST_F(BulletDraw, EnemyShotsPickTheirPictureByKind) {
  Paint(PicVAL16241, 24, 16, 16);
  AngleBulletRecord& shot = EnemyAimedPool03[EnemyAimedBlock];
  shot.x = PlayfieldLeft + 100;
  shot.y = 100;
  shot.frame = 5;
  DrawEnemyAimed03(1, 1);
  EXPECT_EQ(CellAt(PlayfieldLeft + 112, 112), 5) << "the small strip sits 12 px in";
  EXPECT_EQ(CellAt(PlayfieldLeft + 111, 111), -1);
  DrawEnemyAimed03(1, 3);
  EXPECT_EQ(shot.frame, 6) << "an unknown kind draws nothing";

  Paint(PicVALL301, 1, 30, 30);
  AngleBulletRecord60& missile = EnemyMissileFanPool[3 * EnemyFanBlock + 1];
  missile.x = PlayfieldLeft + 200;
  missile.y = 200;
  DrawEnemyMissileFan(3, 1);
  EXPECT_EQ(CellAt(PlayfieldLeft + 196, 196), -1) << "idle missiles are not drawn";
  missile.active = 1;
  DrawEnemyMissileFan(3, 1);
  EXPECT_EQ(CellAt(PlayfieldLeft + 196, 196), 0) << "drawn 5 px up and left";
}

TEST_F(BulletDraw, CurveBeamsDrawOnlyWhileFlying) {
  Paint(PicRAY5, 1, 40, 40);
  StepBulletRecord24& beam = Stage3CurvePool04[1];
  beam = {PlayfieldLeft + 20, 300, 0, 0};
  DrawStage3Curve04();
  EXPECT_EQ(CellAt(PlayfieldLeft + 40, 320), -1);
  beam.active = 1;
  DrawStage3Curve04();
  EXPECT_EQ(CellAt(PlayfieldLeft + 40, 320), 0);
}

}  // namespace
