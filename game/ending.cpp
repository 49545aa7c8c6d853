// The ending scene: five phases on its own clock, then back to the title.
#include "game/ending.h"

#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "game/backgrounds.h"
#include "game/hud.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "world/clock_window.h"
#include "world/pictures.h"

int RankingTable[RankingRows];

namespace {

constexpr int DefaultRanking[RankingRows] = {100000000, 70000000, 30000000, 20000000, 1000000, 700000, 50000};
constexpr float EndingRate = 18;
constexpr float EndingLength = 1101;
constexpr int ReturnSteps = 60;

const char* const StaffList[] = {
    "VELKOR STAFF",
    "GAME DESIGN      THE VELKOR TEAM",
    "PROGRAM          THE VELKOR TEAM",
    "GRAPHICS         THE VELKOR TEAM",
    "SOUND            THE VELKOR TEAM",
    "SPECIAL THANKS   ALL PILOTS",
    "THANK YOU FOR PLAYING!",
};

void VictoryPhase() {
  DrawBombs();
  DrawPlayerShots();
  UpdatePlayerBeam();
  UpdatePlayer();
  UpdateOptions();
  FireOption0Shots();
  FireOption1Shots();
  DrawScorePanel();
  DrawPicture(PlayfieldLeft + 30, 100, PicMYGOODN, 0, 0, 300, 100);
  MovePlayer();
  CheckCollisions();
  UpdateBombs();
}

void StaffPhase() {
  DrawPicture(PlayfieldLeft + 0, 60, PicLEVEL0, 0, 0, PlayfieldWidth, PlayfieldPictureHeight);
  int y = 140;
  for (const char* line : StaffList) {
    velDraw::PutTextLine(PlayfieldLeft + 60, y, line);
    y += 20;
  }
}

void BackToTitle() {
  ResetStageState();
  ResetWorld();
  ResetGame();
  ChangeScene(SceneTitle, ReturnSteps);
}

}  // namespace

void DrawRanking() {
  for (int i = 0; i < RankingRows; ++i) RankingTable[i] = DefaultRanking[i];
  // Only the first row the best score reaches shows it.
  for (int i = 0; i < RankingRows; ++i) {
    if (HighScore >= RankingTable[i] || Score >= RankingTable[i]) {
      RankingTable[i] = HighScore;
      break;
    }
  }
  DrawPicture(PlayfieldLeft - 20, 100, PicRANKING1, 0, 0, 400, 100);
  for (int k = 0; k < RankingRows; ++k) {
    const int y = 225 + 40 * k;
    DrawPicture(PlayfieldLeft + 10, y, PicSUJI09_2, 20 * (k + 1), 0, 20 * (k + 1) + 20, 25);
    DrawLargeNumber(RankingTable[k], PlayfieldLeft + 90, y);
  }
}

void RunEnding() {
  if (SceneEntered == 1) StageClock = 0;
  StageMusicCounter += 1;
  if (StageMusicCounter == 1) velSound::PlayMidi("MIDI/VKSEND.MID", 1);
  if (StageMusicCounter >= MusicCounterWrap) StageMusicCounter = 0;
  velDraw::ClearScreen();
  StageClock += FrameSeconds * EndingRate;

  const float clock = StageClock;
  if (Within(0, 300).Holds(clock)) VictoryPhase();
  if (Within(301, 500).Holds(clock)) DrawRanking();
  if (Within(501, 700).Holds(clock)) StaffPhase();
  if (Within(701, 900).Holds(clock)) {
    ScrollBack5();
    ScrollBack3();
    ScrollBack2();
    DrawPicture(PlayfieldLeft + 0, 120, PicVKCG1, 0, 0, PlayfieldWidth, PlayfieldPictureHeight);
  }
  if (Within(901, 1100).Holds(clock))
    DrawPicture(PlayfieldLeft + 0, 120, PicVKCG2, 0, 0, PlayfieldWidth, PlayfieldPictureHeight);
  velDraw::SetVSync(1);
  velDraw::Present();

  if (StageClock >= EndingLength)
    BackToTitle();
  else if (LastKey == plat::KeySpace)
    BackToTitle();
}
