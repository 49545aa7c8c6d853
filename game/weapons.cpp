// Fire sequencers and spawners of the six weapons.
#include "game/weapons.h"

#include <climits>

#include "engine/layout.h"
#include "game/player.h"
#include "world/pictures.h"

PlayerShotRecord TripleShotPool[TripleShotCount];
PlayerShotRecord WideShotPool[WideShotCount];
PlayerShotRecord FiveWayShotPool[FiveWayShotCount];
PlayerShotRecord OptionShotPool[OptionShotCount];
BombRecord BombPool[BombCount];
BeamPartRecord BeamPartPool[BeamPartCount];

int SequencerCounter[SeqCount];
int BeamCounter;
int WideFired, TripleFired, FiveWayFired;

namespace {

// A sequencer fires volley k (1..volleys) on the call whose counter is
// k * interval, and starts over after the last; volley 0 never comes.
struct SequencerRule {
  int interval;
  int volleys;
  void (*fire)(int k);
};

void FireMainVolley(int k) {
  SpawnMainShot(k, 50 + k, 100 + k, 150 + k);
}
void FireTripleVolley(int k) {
  SpawnTripleShot(k, 26 + k, 52 + k);
}
void FireWideVolley(int k) {
  SpawnWideShot(k, 26 + k, 52 + k);
}
void FireFiveWayVolley(int k) {
  SpawnFiveWayShot(k, 26 + k, 52 + k, 78 + k, 104 + k, 130 + k);
}
void FireOption0Volley(int k) {
  SpawnOptionShot(0, k);
}
void FireOption1Volley(int k) {
  SpawnOptionShot(1, k);
}

constexpr SequencerRule Rules[] = {
    {3, 49, FireMainVolley},    {4, 25, FireTripleVolley},  {4, 25, FireWideVolley},
    {4, 25, FireFiveWayVolley}, {4, 49, FireOption0Volley}, {4, 49, FireOption1Volley},
};

void RunSequencer(Sequencer which) {
  const SequencerRule& rule = Rules[which];
  int& counter = SequencerCounter[which];
  counter += 1;
  if (counter % rule.interval == 0 && counter / rule.interval <= rule.volleys)
    rule.fire(counter / rule.interval);
  if (counter >= rule.interval * rule.volleys) counter = 0;
}

// One record of a volley: its offset from the ship, and per powered state
// (0 unpowered, 1 powered) its step (0: not fired) and drift (Keep: untouched).
constexpr int Keep = INT_MIN;
struct ShotLaunch {
  int dx, dy;
  int step[2];
  int drift[2];
  int* firedFlag;  // set when this record fires
  bool sound;
};

int PlayerPixelX() {
  return static_cast<int>(PlayerX);
}
int PlayerPixelY() {
  return static_cast<int>(PlayerY);
}

void Launch(PlayerShotRecord& shot, const ShotLaunch& how) {
  const int step = how.step[WeaponPowered ? 1 : 0];
  if (step == 0 || shot.active) return;
  shot.active = 1;
  shot.x = PlayerPixelX() + how.dx;
  shot.y = PlayerPixelY() + how.dy;
  shot.step = step;
  const int drift = how.drift[WeaponPowered ? 1 : 0];
  if (drift != Keep) shot.drift = drift;
  if (how.firedFlag) *how.firedFlag = 1;
  if (how.sound) PlaySound(SoundShot);
}

const ShotLaunch TripleLaunch[] = {
    {0, -38, {10, 20}, {Keep, Keep}, &TripleFired, true},
    {-30, -38, {0, 20}, {Keep, 6}, nullptr, false},
    {30, -38, {0, 20}, {Keep, 6}, nullptr, false},
};
const ShotLaunch WideLaunch[] = {
    {0, -38, {10, 20}, {Keep, Keep}, &WideFired, true},
    {-15, -38, {0, 20}, {Keep, 4}, nullptr, false},
    {15, -38, {0, 20}, {Keep, 4}, nullptr, false},
};
const ShotLaunch FiveWayLaunch[] = {
    {0, -38, {10, 20}, {Keep, Keep}, &FiveWayFired, true},
    {-15, 28, {10, 20}, {2, 4}, nullptr, false},
    {-15, 28, {10, 20}, {1, 2}, nullptr, false},
    {0, 28, {10, 20}, {Keep, Keep}, &WideFired, false},
    {15, 28, {10, 20}, {1, 2}, nullptr, false},
    {15, 28, {10, 20}, {2, 4}, nullptr, false},
};

}  // namespace

void FireMainShot() {
  RunSequencer(SeqMain);
}
void FireTripleShot() {
  RunSequencer(SeqTriple);
}
void FireWideShot() {
  RunSequencer(SeqWide);
}
void FireFiveWayShot() {
  RunSequencer(SeqFiveWay);
}
void FireOption0Shots() {
  if (ShipType == 2) RunSequencer(SeqOption0);
}
void FireOption1Shots() {
  if (ShipType == 2) RunSequencer(SeqOption1);
}

void FireBombFan() {
  int& counter = SequencerCounter[SeqBombFan];
  counter += 1;
  int group = -1;
  if (counter == 24)
    group = 0;
  else if (counter % 3 == 0 && counter >= 3 && counter <= 21)
    group = counter / 3;
  else if (counter % 3 == 0 && counter >= 27 && counter <= 45)
    group = (counter - 24) / 3;
  if (group >= 0)
    for (int i = 5 * group; i < 5 * group + 5; ++i) SpawnBomb(i);
  if (counter >= 48) counter = 0;
}

void SpawnMainShot(int a, int b, int c, int d) {
  // The first two groups fire only when powered, giving two shots per point.
  const int offsetX[4] = {12, 28, 12, 28};
  const int records[4] = {a, b, c, d};
  for (int g = WeaponPowered ? 0 : 2; g < 4; ++g) {
    MainShotRecord& shot = MainShotPool[records[g]];
    if (shot.active) continue;
    shot.active = 1;
    shot.x = PlayerPixelX() + offsetX[g];
    shot.y = PlayerPixelY() + 10;
  }
}

void SpawnTripleShot(int a, int b, int c) {
  const int records[] = {a, b, c};
  for (int g = 0; g < 3; ++g) Launch(TripleShotPool[records[g]], TripleLaunch[g]);
}

void SpawnWideShot(int a, int b, int c) {
  const int records[] = {a, b, c};
  for (int g = 0; g < 3; ++g) Launch(WideShotPool[records[g]], WideLaunch[g]);
  if (WeaponPowered)
    for (BeamPartRecord& part : BeamPartPool) part.active = 1;
}

void SpawnFiveWayShot(int a, int b, int c, int d, int e, int f) {
  const int records[] = {a, b, c, d, e, f};
  for (int g = 0; g < 6; ++g) Launch(FiveWayShotPool[records[g]], FiveWayLaunch[g]);
}

void SpawnOptionShot(int pod, int k) {
  PlayerShotRecord& shot = OptionShotPool[OptionShotGroup * pod + k];
  if (shot.active) return;
  shot.active = 1;
  shot.step = 12;
  shot.x = static_cast<int>(OptionPods[pod].x + 22);
  shot.y = static_cast<int>(OptionPods[pod].y + 6);
}

void SpawnBomb(int i) {
  constexpr double TenDegrees = 0.17453292519943295;
  BombRecord& bomb = BombPool[i];
  if (bomb.active) return;
  bomb.active = 1;
  bomb.x = PlayerPixelX() - 10;
  bomb.y = PlayerPixelY() - 10;
  bomb.speed = -30;
  bomb.angle = static_cast<float>((i - 5) * TenDegrees + 9 * TenDegrees - 2 * TenDegrees + 18 * TenDegrees);
}

void ParkShot(PlayerShotRecord& shot) {
  shot.active = 0;
  shot.x = PixelParkedX;
  shot.y = PixelParkedY;
}

void ResetWeapons() {
  for (int& counter : SequencerCounter) counter = 0;
  BeamCounter = 0;
  WideFired = TripleFired = FiveWayFired = 0;
  for (MainShotRecord& shot : MainShotPool) shot = MainShotRecord{};
  for (PlayerShotRecord& shot : TripleShotPool) ParkShot(shot);
  for (PlayerShotRecord& shot : WideShotPool) ParkShot(shot);
  for (PlayerShotRecord& shot : FiveWayShotPool) ParkShot(shot);
  for (PlayerShotRecord& shot : OptionShotPool) {
    ParkShot(shot);
    shot.y = static_cast<int>(ParkedY);
  }
  for (BombRecord& bomb : BombPool) bomb = BombRecord{};
  for (BeamPartRecord& part : BeamPartPool) part = BeamPartRecord{};
}
