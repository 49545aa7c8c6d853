// Bosses driven in the real game: pictures by hit points, damage bursts and
// fire, the death sequences that end each stage, the forced deaths of the
// stage-end window, and a whole game from the title to the ending and back.
#include <gtest/gtest.h>

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scenes.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"
#include "world/pictures.h"

namespace {

using gametest::GameRun;

// Where a picture variable stands in the load order.
int LoadIndex(const int& slotVar) {
  int k = 0;
#define VELKOR_FIND(name, file)         \
  if (&Pic##name == &slotVar) return k; \
  ++k;
  VELKOR_PICTURES_FRONT(VELKOR_FIND)
  VELKOR_PICTURES_BACK(VELKOR_FIND)
#undef VELKOR_FIND
  return -1;
}

// Gives a picture a fresh surface of one colour (black: draws nothing).
void Paint(int& slotVar, int w, int h, uint32_t colour) {
  plat::Surface* s = gametest::PlantPicture(slotVar, LoadIndex(slotVar), w, h);
  if (colour) plat::Fill(s, 0, 0, w, h, colour);
}

int BomPlays() {
  return plat::SoundPlayCount(velSound::Objects[SoundBom].buffers[0]);
}

class Bosses : public GameRun {
 protected:
  // Pictures with known colours; the blasts draw nothing so that they never
  // hide what a test reads.
  void PaintBosses() {
    Paint(PicBBAK1B, 640, 160, 0);
    Paint(PicZBAK1B, 600, 60, 0);
    Paint(PicZBAK3B, 800, 80, Fire);
    Paint(PicBOSS11, 440, 360, Colour(0));
    int* second[4] = {&PicBOSS71, &PicBOSS71_1, &PicBOSS71_2, &PicBOSS71_3};
    int* third[4] = {&PicBOSS41, &PicBOSS41_1, &PicBOSS41_2, &PicBOSS41_3};
    for (int i = 0; i < 4; ++i) {
      Paint(*second[i], 500, 400, Colour(10 + i));
      Paint(*third[i], 440, 380, Colour(20 + i));
    }
  }
  static uint32_t Colour(int i) { return plat::Rgb(0x20 + i, 0x40, 0x60); }
  static constexpr uint32_t Fire = 0xFF8000;

  // What the boss draw leaves at (x + dx, y + dy) on a cleared screen.
  uint32_t DrawnAt(void (*draw)(), BossRecord& boss, float hp, int dx = 5, int dy = 5) {
    boss.x = PlayfieldLeft + 10.0f;
    boss.y = 50;
    boss.hitPoints = hp;
    velDraw::ClearScreen();
    draw();
    return run->BackPixel(PlayfieldLeft + 10 + dx, 50 + dy);
  }

  // Runs frames until the scene changes; returns the number of frames.
  int FramesUntilSceneChanges(int limit) {
    const int scene = CurrentScene;
    int frames = 0;
    while (CurrentScene == scene && frames < limit && run->Frame()) ++frames;
    return frames;
  }
};

TEST_F(Bosses, PicturesFollowTheHitPointBands) {
  EnterStage1();
  PaintBosses();
  struct Edge {
    float hp;
    int picture;  // 0 base, 1 to 3 the wounded ones, -1 none
  };
  const Edge edges[] = {{1000.5f, -1}, {1000, 0}, {500.5f, 0}, {500, 1},    {300.5f, 1}, {300, 2},
                        {150.5f, 2},   {150, 3},  {0, 3},      {-99.5f, 3}, {-100, -1}};
  for (const Edge& e : edges) {
    const uint32_t second = DrawnAt(DrawStage2Boss, StageBoss[Stage2BossIndex], e.hp);
    const uint32_t third = DrawnAt(DrawStage3Boss, StageBoss[Stage3BossIndex], e.hp);
    EXPECT_EQ(second, e.picture < 0 ? 0u : Colour(10 + e.picture)) << e.hp;
    EXPECT_EQ(third, e.picture < 0 ? 0u : Colour(20 + e.picture)) << e.hp;
  }
  for (float hp : {5000.0f, 1020.0f, 100.0f, -500.0f})
    EXPECT_EQ(DrawnAt(DrawStage1Boss, StageBoss[Stage1BossIndex], hp), Colour(0)) << hp;
}

TEST_F(Bosses, DamageBurstsAtTheBandsAndFireBelow90) {
  EnterStage1();
  PaintBosses();
  BossRecord& boss = StageBoss[Stage1BossIndex];
  for (float hp : {530.0f, 470.0f, 330.0f, 270.0f, 180.0f, 120.0f}) {
    const int plays = BomPlays();
    DrawnAt(DrawStage1Boss, boss, hp);
    const bool burst = hp == 530 || hp == 330 || hp == 180;
    EXPECT_EQ(BomPlays() - plays, burst ? 8 : 0) << hp;
  }
  // The fire runs down the boss with its frame counter.
  BossDamageFrame[Stage1BossIndex] = 2;
  EXPECT_EQ(DrawnAt(DrawStage1Boss, boss, 90, 180, 50 + 56 + 40), Fire);
  BossDamageFrame[Stage1BossIndex] = 0;
  EXPECT_EQ(DrawnAt(DrawStage1Boss, boss, 90, 100, 140), Colour(0)) << "the lower pair waits for 70";
  BossDamageFrame[Stage1BossIndex] = 0;
  EXPECT_EQ(DrawnAt(DrawStage1Boss, boss, 70, 100, 140), Fire);
  EXPECT_EQ(BossDamageFrame[Stage1BossIndex], 1);
  BossDamageFrame[Stage1BossIndex] = 0;
  EXPECT_EQ(DrawnAt(DrawStage1Boss, boss, 0, 180, 90), Colour(0)) << "no fire once dead";
  EXPECT_GT(boss.deathClock, 0.0f) << "hit points of 0 start the death";
}

TEST_F(Bosses, DrainedBossesEndEachStageIntoTheNext) {
  EnterStage1();
  run->Frames(2);
  ASSERT_EQ(MidiOpen, 1) << "the stage music plays";

  struct Road {
    int boss;
    float clock;  // inside the boss section
    int next, steps;
  };
  const Road roads[] = {{Stage1BossIndex, 1500, SceneStage2, 30},
                        {Stage2BossIndex, 2300, SceneStage3, 60},
                        {Stage3BossIndex, 2700, SceneEnding, 60}};
  for (const Road& road : roads) {
    StageClock = road.clock;
    run->Frame();
    BossRecord& boss = StageBoss[road.boss];
    boss.hitPoints = 0;
    EnemyAPool[7].active = 1;
    bool musicStopped = false;
    const int scene = CurrentScene;
    int frames = 0;
    while (CurrentScene == scene && frames < 600) {
      // A death clock of exactly 70 does not end it: only the first frame past 70.
      const float before = boss.deathClock;
      ASSERT_TRUE(run->Frame());
      ++frames;
      if (CurrentScene == scene) {
        EXPECT_LE(boss.deathClock, 70.0f + 1e-3f);
        if (boss.deathClock > 50 && boss.deathClock < 60 && MidiOpen == 0) musicStopped = true;
      } else {
        EXPECT_LE(before, 70.0f);
      }
    }
    EXPECT_NEAR(frames, 421, 2) << "seven seconds of death";
    EXPECT_EQ(CurrentScene, road.next);
    EXPECT_EQ(WipeState.type, RevealWipe);
    EXPECT_EQ(WipeState.steps, road.steps);
    EXPECT_EQ(WipeState.direction, -1);
    EXPECT_EQ(EnemyAPool[7].active, 0) << "the world is reset";
    EXPECT_LT(StageClock, 1.0f);
    EXPECT_EQ(StageBoss[road.boss].hitPoints, road.boss == Stage1BossIndex ? 1020.0f : 1000.0f);
    EXPECT_EQ(StageBoss[road.boss].deathClock, 0.0f);
    EXPECT_EQ(musicStopped, road.boss == Stage3BossIndex) << "only the last boss stops the music";
    if (road.boss != Stage3BossIndex) {
      EXPECT_EQ(MidiOpen, 1) << "the music plays on";
    }
    run->FramesUntil([] { return WipeState.progress == 0; }, 100);
  }
}

TEST_F(Bosses, TheStageEndForcesTheDeathOfABossNeverHit) {
  EnterStage1();
  ChangeScene(SceneStage2, 60);
  run->Frame();
  StageClock = 10999.9f;
  run->Frame();
  const BossRecord& boss = StageBoss[Stage2BossIndex];
  EXPECT_EQ(boss.hitFlag, 0);
  EXPECT_EQ(boss.hitPoints, 0.0f);
  // From the second forced frame on the draw and the stage end both run the
  // death step, so it lasts half as long.
  const int frames = FramesUntilSceneChanges(500);
  EXPECT_NEAR(frames, 210, 3);
  EXPECT_EQ(CurrentScene, SceneStage3);
  EXPECT_EQ(WipeState.steps, 60);

  // One eight-second frame: the forced death passes its end at once.
  run->Frame();
  StageClock = 10990;
  run->AdvanceMs(8000);
  run->Frame();
  EXPECT_EQ(CurrentScene, SceneEnding);
  EXPECT_EQ(WipeState.steps, 60);
  EXPECT_EQ(StageBoss[Stage3BossIndex].hitPoints, 1000.0f) << "the next scene's boss is left alone";
}

// Advances the stage with long frames up to just before `clock`, then in
// ordinary frames until the scene changes.
void PlayStageTo(harness::Run& run, float clock) {
  const int scene = CurrentScene;
  while (CurrentScene == scene && StageClock < clock) {
    run.AdvanceMs(250);
    ASSERT_TRUE(run.Frame());
  }
  ASSERT_TRUE(run.FramesUntil([scene] { return CurrentScene != scene; }, 600));
}

TEST_F(GameRun, AWholeGameFromTheTitleToTheEndingAndBack) {
  ASSERT_TRUE(WaitForScene(SceneTitle, 5));
  Press(plat::KeyReturn);
  ASSERT_TRUE(WaitForScene(SceneShipSelect));
  Press('O');
  Press(plat::KeyF1);
  ASSERT_EQ(CurrentScene, SceneStage1);

  PlayStageTo(*run, 9990);
  EXPECT_EQ(CurrentScene, SceneStage2);
  EXPECT_EQ(WipeState.steps, 30);
  PlayStageTo(*run, 10990);
  EXPECT_EQ(CurrentScene, SceneStage3);
  EXPECT_EQ(WipeState.steps, 60);
  PlayStageTo(*run, 10990);
  EXPECT_EQ(CurrentScene, SceneEnding);
  EXPECT_EQ(WipeState.steps, 60);
  EXPECT_EQ(NoLossOption, 1);
  PlayStageTo(*run, 1090);
  EXPECT_EQ(CurrentScene, SceneTitle);
  EXPECT_TRUE(run->Running());
}

}  // namespace
