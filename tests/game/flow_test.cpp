// The scene machine driven headless: title, ship select, stages, ending,
// pause, continue, T and Esc.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "bullets/bullets.h"
#include "foes/foes.h"
#include "game/ending.h"
#include "game/player.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "tests/game/game_fixture.h"

namespace {

using gametest::GameRun;

bool PlayerPoolsIdle() {
  for (const MainShotRecord& r : MainShotPool)
    if (r.active) return false;
  for (auto* pool : {TripleShotPool, WideShotPool})
    for (int i = 0; i < 78; ++i)
      if (pool[i].active) return false;
  for (const PlayerShotRecord& r : FiveWayShotPool)
    if (r.active) return false;
  for (const BombRecord& r : BombPool)
    if (r.active) return false;
  return true;
}

TEST_F(GameRun, FirstGameStartsThroughCoverWipeThenRevealIntoStage1) {
  ASSERT_TRUE(WaitForScene(SceneTitle, 5));
  EXPECT_EQ(HighScore, 500);
  Press(plat::KeyReturn);
  // The covering wipe runs while the title stays the current scene.
  EXPECT_EQ(WipeState.direction, 1);
  EXPECT_EQ(CurrentScene, SceneTitle);
  EXPECT_EQ(NextScene, SceneShipSelect);
  const uint64_t calls = SceneCalls;
  ASSERT_TRUE(WaitForScene(SceneShipSelect));
  EXPECT_EQ(SceneCalls, calls) << "no scene runs during the covering wipe";

  Press('O');
  EXPECT_EQ(NoLossOption, 1);
  EXPECT_EQ(CurrentScene, SceneShipSelect);
  Press(plat::KeyF2);
  EXPECT_EQ(CurrentScene, SceneStage1);
  EXPECT_EQ(WipeState.type, RevealWipe);
  EXPECT_EQ(WipeState.steps, 26);
  EXPECT_EQ(WipeState.direction, -1);
  EXPECT_EQ(ShipType, 2);
  EXPECT_EQ(PlayerEnergy, 999);
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 150.0f);
  EXPECT_FLOAT_EQ(PlayerY, 520.0f);
  EXPECT_EQ(WeaponPowered, 0);
  run->Frames(3);
  EXPECT_GT(StageClock, 0.0f);
  EXPECT_EQ(NoLossOption, 1) << "the option survives the game start";
}

TEST_F(GameRun, LaterGamesRevealWithTheLastStepCount) {
  EnterStage1();
  Press('T');
  ASSERT_EQ(CurrentScene, SceneTitle);
  run->Frame();
  Press(plat::KeyReturn);
  EXPECT_EQ(CurrentScene, SceneShipSelect);
  EXPECT_EQ(WipeState.direction, -1);
  EXPECT_EQ(WipeState.progress, 26);
}

TEST_F(GameRun, ShipCannotMoveBeforeClock150) {
  EnterStage1();
  run->KeyDown(plat::KeyRight);
  run->Frames(30);
  EXPECT_LT(StageClock, 150.0f);
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 150.0f);
  StageClock = 150;
  run->Frames(10);
  EXPECT_GT(PlayerX, PlayfieldLeft + 150.0f);
  run->Frames(200);
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 300.0f) << "clamped to the playfield";
  run->KeyUp(plat::KeyRight);
}

TEST_F(GameRun, PauseHaltsTheStageAndResumes) {
  EnterStage1();
  run->Frames(5);
  Press('S');
  const float clock = StageClock;
  const uint32_t pixel = run->BackPixel(PlayfieldLeft + 100, 300);
  run->Frames(20);
  EXPECT_EQ(Paused, 1);
  EXPECT_FLOAT_EQ(StageClock, clock);
  EXPECT_EQ(run->BackPixel(PlayfieldLeft + 100, 300), pixel);
  Press('S');
  run->Frames(2);
  EXPECT_GT(StageClock, clock);
}

TEST_F(GameRun, LossGraceContinueAndResume) {
  EnterStage1();
  StageClock = 200;
  run->Frame();
  PlayerAlive = 0;  // an enemy bullet's hit
  run->Frames(50);
  EXPECT_EQ(PlayerEnergy, 999 - 16);
  EXPECT_EQ(PlayerAlive, 1);
  EXPECT_EQ(RespawnFlag, 1);
  PlayerAlive = 0;  // hits during the grace period are ignored
  run->Frame();
  EXPECT_EQ(PlayerAlive, 1);
  run->FramesUntil([] { return RespawnFlag == 0; }, 300);
  EXPECT_EQ(RespawnFlag, 0);
  EXPECT_EQ(PlayerEnergy, 999 - 16);

  // The last of the energy brings up the continue prompt.
  PlayerEnergy = 5;
  Score = 12345;
  PlayerAlive = 0;
  run->FramesUntil([] { return ContinueShown == 1; }, 80);
  ASSERT_EQ(ContinueShown, 1);
  EXPECT_EQ(Paused, 1);
  const float clock = StageClock;
  Press('S');  // S does nothing at the prompt
  EXPECT_EQ(Paused, 1);
  run->Frames(10);
  EXPECT_FLOAT_EQ(StageClock, clock);
  Press('Y');
  EXPECT_EQ(Paused, 0);
  EXPECT_EQ(PlayerEnergy, 111);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(RespawnFlag, 1);
  run->Frames(2);
  EXPECT_GT(StageClock, clock);
}

TEST_F(GameRun, TReturnsToTitleWithEverythingIdleAndHighScoreKept) {
  EnterStage1();
  StageClock = 200;
  run->KeyDown('V');
  run->KeyDown('M');
  run->Frames(30);
  run->KeyUp('V');
  run->KeyUp('M');
  AddScore(777);
  const int high = HighScore;
  Stage1BurstPool02[0].active = 1;
  EnemyAPool[3].active = 1;
  ASSERT_FALSE(PlayerPoolsIdle());
  Press('T');
  EXPECT_EQ(CurrentScene, SceneTitle);
  EXPECT_TRUE(PlayerPoolsIdle());
  EXPECT_TRUE(AllBulletPoolsIdle());
  EXPECT_EQ(EnemyAPool[3].active, 0);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(HighScore, high);
  EXPECT_EQ(ControlMode.keyboard, 1);
  EXPECT_EQ(ShipType, 0);
  run->Frames(2);
  EXPECT_EQ(CurrentScene, SceneTitle);
}

TEST_F(GameRun, EscEndsTheProgramFromAStage) {
  EnterStage1();
  run->Frames(3);
  run->KeyDown(plat::KeyEscape);
  run->Frames(5);
  EXPECT_FALSE(run->Running());
  EXPECT_EQ(CurrentScene, SceneNone);
}

TEST_F(GameRun, StageEndWindowForcesTheBossDeath) {
  EnterStage1();
  StageClock = 9990;
  run->Frame();
  EXPECT_GT(StageBoss[Stage1BossIndex].hitPoints, 0.0f);
  StageClock = 10001;
  run->Frame();
  EXPECT_EQ(StageBoss[Stage1BossIndex].hitPoints, 0.0f);
}

TEST_F(GameRun, StageEndsEvenAfterOneLongFrame) {
  EnterStage1();
  StageClock = 9990;
  run->Frame();
  run->AdvanceMs(8000);  // one frame of eight seconds jumps past the window
  run->Frame();
  // The forced death's clock passes its end in that same frame.
  EXPECT_EQ(CurrentScene, SceneStage2);
  EXPECT_LT(StageClock, 1.0f);
}

TEST_F(GameRun, BossCounterRunsOnlyInsideTheBand) {
  EnterStage1();
  StageClock = 1500;
  run->Frames(3);
  EXPECT_EQ(Stage1AttackCounter, 0) << "1020 hit points lie above the band";
  StageBoss[Stage1BossIndex].hitPoints = 1000;
  run->Frames(3);
  EXPECT_EQ(Stage1AttackCounter, 3);
  Stage1AttackCounter = 4299;
  run->Frame();
  EXPECT_EQ(Stage1AttackCounter, 0);
}

TEST_F(GameRun, ShipSelectDemoAlternatesShips) {
  ASSERT_TRUE(WaitForScene(SceneTitle, 5));
  Press(plat::KeyReturn);
  ASSERT_TRUE(WaitForScene(SceneShipSelect));
  DemoCounter = 0;
  run->Frames(15);
  EXPECT_EQ(ShipType, 1);
  run->Frames(200);
  EXPECT_EQ(ShipType, 2);
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 150.0f);
  EXPECT_FLOAT_EQ(PlayerY, 190.0f);
}

TEST_F(GameRun, EndingPhasesAndSpace) {
  EnterStage1();
  ChangeScene(SceneEnding, 60);
  run->Frame();
  EXPECT_EQ(CurrentScene, SceneEnding);
  EXPECT_LT(StageClock, 1.0f) << "the ending starts its own clock";
  HighScore = 75000000;
  StageClock = 400;
  run->Frame();
  EXPECT_EQ(RankingTable[0], 100000000);
  EXPECT_EQ(RankingTable[1], 75000000);
  EXPECT_EQ(RankingTable[2], 30000000);
  StageClock = 1100.9f;
  run->Frame();
  EXPECT_EQ(CurrentScene, SceneTitle);
  EXPECT_EQ(WipeState.steps, 60);

  ChangeScene(SceneEnding, 60);
  run->Frame();
  Press(plat::KeySpace);
  EXPECT_EQ(CurrentScene, SceneTitle);
  EXPECT_EQ(Score, 0);
}

// Where a frame, run by `frame`, puts the top-left corner of the ship-select
// picture: for that frame the picture is filled with a colour of its own, and
// then given back as it was.
std::pair<int, int> ShipSelectPictureOrigin(const std::function<void()>& frame) {
  const plat::Surface picture = *velDraw::Objects[PicLEVEL0].surface;
  constexpr uint32_t Filled = 0x00FE01FD;
  plat::Surface* planted = gametest::PlantPicture(PicLEVEL0, 0, picture.width, picture.height);
  plat::Fill(planted, 0, 0, picture.width, picture.height, Filled);
  frame();
  *planted = picture;
  const plat::Surface& back = *velDraw::BackBuffer();
  int ox = back.width, oy = back.height;
  for (int y = 0; y < back.height; ++y)
    for (int x = 0; x < back.width; ++x)
      if (back.At(x, y) == Filled) ox = std::min(ox, x), oy = std::min(oy, y);
  return {ox, oy};
}

// The demonstration flies under the ship-select picture: its shots leave the
// preview box upwards and pass under the frame and the heading, and may show
// through no see-through pixel of the picture but the box's. With the
// scrolling layers made empty, whatever changes from one frame to the next is
// the demonstration (the ship icons stand still); over a whole cycle of it,
// all of that within the picture lies in the clear box round the ship.
TEST_F(GameRun, ShipSelectDemonstrationShowsOnlyThroughThePreviewBox) {
  ASSERT_TRUE(WaitForScene(SceneTitle, 5));
  Press(plat::KeyReturn);
  ASSERT_TRUE(WaitForScene(SceneShipSelect));
  ASSERT_TRUE(WaitForWipeEnd());
  for (int* layer : {&PicBBACK8S, &PicBBACK3S, &PicBBACK1S}) {
    ASSERT_NE(velDraw::Objects[*layer].surface, nullptr);
    const int w = velDraw::Objects[*layer].width, h = velDraw::Objects[*layer].height;
    gametest::PlantPicture(*layer, 0, w, h);
  }
  ASSERT_NE(velDraw::Objects[PicLEVEL0].surface, nullptr);
  const auto [ox, oy] = ShipSelectPictureOrigin([&] { run->Frame(); });
  const plat::Surface& picture = *velDraw::Objects[PicLEVEL0].surface;
  const int w = picture.width, h = picture.height;

  // The preview box: the see-through pixels joined to the ship's place.
  std::vector<bool> inBox(static_cast<size_t>(w) * h);
  std::vector<std::pair<int, int>> todo{{static_cast<int>(PlayerX) - ox, static_cast<int>(PlayerY) - oy}};
  int left = w, top = h, right = -1, bottom = -1, count = 0;
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= w || y >= h || inBox[y * w + x] || picture.At(x, y) != picture.colorKey)
      continue;
    inBox[y * w + x] = true;
    ++count;
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
    todo.insert(todo.end(), {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}});
  }
  ASSERT_GT(count, 0) << "the ship flies where the picture is see-through";
  EXPECT_EQ(count, (right - left + 1) * (bottom - top + 1))
      << "the preview box (" << left << "," << top << ")-(" << right << "," << bottom
      << ") is not wholly clear";

  DemoCounter = 0;
  run->Frame();
  std::vector<uint32_t> last = velDraw::BackBuffer()->pixels;
  int above = 0, through = 0, firstX = 0, firstY = 0, firstFrame = 0;
  for (int frame = 1; frame <= 600; ++frame) {
    run->Frame();
    const plat::Surface& back = *velDraw::BackBuffer();
    for (int y = 0; y < std::min(back.height, oy + h); ++y)
      for (int x = 0; x < back.width; ++x) {
        const size_t i = static_cast<size_t>(y) * back.width + x;
        if (back.pixels[i] == last[i]) continue;
        const int px = x - ox, py = y - oy;
        if (py < 0) {
          ++above;
        } else if (px >= 0 && px < w && (px < left || px > right || py < top || py > bottom) && !through++) {
          firstX = px, firstY = py, firstFrame = frame;
        }
      }
    last = back.pixels;
  }
  EXPECT_GT(above, 0) << "the shots fly on past the picture's top edge";
  EXPECT_EQ(through, 0) << "changing pixels of the picture outside its preview box, the first at (" << firstX
                        << "," << firstY << ") in frame " << firstFrame;
}

// The staff list is drawn over the ship-select picture: nothing of that
// picture may lie under the list's lines or within a margin of them. Found
// from the game's own drawing: the lines alone over an empty picture, then
// where the picture lands, then the real picture's opaque pixels.
TEST_F(GameRun, StaffListLinesLieClearOfTheShipSelectPicture) {
  velDrawObject& level = velDraw::Objects[PicLEVEL0];
  ASSERT_NE(level.surface, nullptr);
  const plat::Surface real = *level.surface;
  ChangeScene(SceneEnding, 60);
  run->Frame();
  ASSERT_TRUE(WaitForWipeEnd());
  auto staffFrame = [&] {
    StageClock = 600;
    run->Frame();
  };
  // Bounds of the lines (anything drawn over an empty picture), then margin.
  gametest::PlantPicture(PicLEVEL0, 0, real.width, real.height);
  staffFrame();
  int left = ScreenWidth, top = ScreenHeight, right = -1, bottom = -1;
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (run->BackPixel(x, y) != 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left) << "the staff list shows";
  constexpr int Margin = 8;
  left -= Margin, top -= Margin, right += Margin, bottom += Margin;
  const auto [ox, oy] = ShipSelectPictureOrigin(staffFrame);
  int under = 0;
  for (int y = 0; y < real.height; ++y)
    for (int x = 0; x < real.width; ++x) {
      const int sx = ox + x, sy = oy + y;
      if (real.At(x, y) != real.colorKey && sx >= left && sx <= right && sy >= top && sy <= bottom) ++under;
    }
  EXPECT_EQ(under, 0) << "pixels of the picture within " << Margin << " of the lines (" << left << "," << top
                      << ")-(" << right << "," << bottom << ")";
}

TEST(Ranking, OnlyTheFirstReachedRowShowsTheHighScore) {
  Score = 0;
  HighScore = 40000;
  DrawRanking();
  EXPECT_EQ(RankingTable[6], 50000) << "below every row nothing changes";
  HighScore = 1000000;
  DrawRanking();
  EXPECT_EQ(RankingTable[3], 20000000);
  EXPECT_EQ(RankingTable[4], 1000000);
  EXPECT_EQ(RankingTable[5], 700000);
}

}  // namespace
