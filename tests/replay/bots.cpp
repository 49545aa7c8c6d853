// The bots that record the checked-in games.
#include "tests/replay/bots.h"

#include <array>
#include <cmath>
#include <vector>

#include "bullets/bullets.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/stage.h"
#include "platform/keys.h"

namespace replay {

namespace {

// The calendar second both games start at.
constexpr int64_t StartCalendar = 1'700'000'000;

// Where each stage's boss fight starts, and the hit points under which its
// attack counter runs.
struct StageFacts {
  int scene;
  float bossAfter;
  float band;
};
constexpr StageFacts Stages[3] = {{SceneStage1, 1460, 1010}, {SceneStage2, 2200, 980}, {SceneStage3, 2650, 780}};

int StageIndex() {
  for (int s = 0; s < 3; ++s)
    if (CurrentScene == Stages[s].scene) return s;
  return -1;
}

struct Point {
  float x, y;
};

// Input through the playthrough, one change at a time, so the replay holds only
// what changed.
class Driver {
 public:
  explicit Driver(Playthrough& s) : s_(s) {}

  void Hold(int vk, bool down) {
    if (held_[vk] == down) return;
    held_[vk] = down;
    s_.Apply({down ? Event::KeyDown : Event::KeyUp, 0, vk});
  }
  // Down for one frame.
  void Press(int vk) {
    Hold(vk, true);
    release_.push_back(vk);
  }
  void ReleaseAll(std::initializer_list<int> keys) {
    for (int vk : keys) Hold(vk, false);
  }
  void Long(int ms) { s_.Apply({Event::Long, 0, ms}); }
  void Mouse(int x, int y) {
    if (x == mouseX_ && y == mouseY_) return;
    mouseX_ = x;
    mouseY_ = y;
    s_.Apply({Event::Move, 0, x, y});
  }
  void Button(int b, bool down) {
    if (buttons_[b] == down) return;
    buttons_[b] = down;
    s_.Apply({Event::Button, 0, b, down ? 1 : 0});
  }
  bool Step() {
    const bool running = s_.Step();
    for (int vk : release_) Hold(vk, false);
    release_.clear();
    return running;
  }
  template <class Pred>
  bool StepUntil(Pred pred, int limit) {
    for (int i = 0; i < limit && !pred(); ++i)
      if (!Step()) return false;
    return pred();
  }
  bool Wait(int frames) {
    for (int i = 0; i < frames; ++i)
      if (!Step()) return false;
    return true;
  }
  uint64_t Frame() const { return s_.Frame(); }

  // Arrow keys toward the ship's target position (its top-left corner).
  void Steer(Point to) {
    const float dx = to.x - PlayerX, dy = to.y - PlayerY;
    Hold(plat::KeyLeft, dx < -3);
    Hold(plat::KeyRight, dx > 3);
    Hold(plat::KeyUp, dy < -3);
    Hold(plat::KeyDown, dy > 3);
  }
  // One fire key held, the others let go.
  void Fire(int key) {
    for (int vk : {'N', 'C', 'V', 'B'}) Hold(vk, vk == key);
  }

 private:
  Playthrough& s_;
  bool held_[plat::KeyCount] = {};
  std::vector<int> release_;
  int mouseX_ = -1, mouseY_ = -1;
  bool buttons_[2] = {};
};

float Clamp(float v, float lo, float hi) {
  return v < lo ? lo : v > hi ? hi : v;
}

// Where the ship goes for a pick-up: the power-up first (when wanted), then
// the nearest coin.
bool PickUp(Point& to, bool powerUp) {
  if (powerUp && PowerUpItem.active && !PowerUpItem.collected && PowerUpItem.y > 0 && PowerUpItem.y < 600) {
    to = {PowerUpItem.x, PowerUpItem.y};
    return true;
  }
  float best = 1e9f;
  for (const CoinRecord& c : EnemyACoinPool) {
    if (!c.active || c.collected || c.y < 0 || c.y > 560) continue;
    const float d = std::fabs(c.x - PlayerX) + std::fabs(c.y - PlayerY);
    if (d < best) {
      best = d;
      to = {c.x - 10, c.y - 10};
    }
  }
  return best < 1e9f;
}

// The nearest armed enemy bullet, for a game that means to be hit.
bool NearestBullet(Point& to) {
  float best = 1e9f;
  auto consider = [&](float x, float y) {
    if (x < PlayfieldLeft || x > PlayfieldLeft + PlayfieldWidth || y < 200 || y > 600) return;
    const float d = std::fabs(x - PlayerX) + std::fabs(y - PlayerY);
    if (d < best) {
      best = d;
      to = {x - 20, y - 20};
    }
  };
  auto pool = [&](const auto& records) {
    for (const auto& r : records)
      if (r.active) consider(static_cast<float>(r.x), static_cast<float>(r.y));
  };
#define VELKOR_BOT_POOL(name, type, count, modulus) pool(name);
  VELKOR_BULLET_POOLS(VELKOR_BOT_POOL)
#undef VELKOR_BOT_POOL
  pool(EnemyAimedPool01);
  pool(EnemyAimedPool02);
  pool(EnemyAimedPool03);
  pool(EnemyMissilePool);
  pool(EnemyMissileFanPool);
  return best < 1e9f;
}

// Across the playfield and back, up and down.
Point Sweep(uint64_t frame) {
  const float x = (frame / 300) % 2 ? PlayfieldLeft + 290 : PlayfieldLeft + 10;
  const float y = (frame / 210) % 2 ? 300 : 500;
  return {x, y};
}

// What every bot shares: the way into a game, and the long frames that carry
// a script clock into windows that play alone never reaches.
class Bot {
 public:
  explicit Bot(Driver& d) : d_(d) {}

 protected:
  // From the title (or the first frame) into Stage1 with the ship select's
  // keys pressed first (O: the ship survives, M: mouse control).
  bool StartGame(int shipKey, std::initializer_list<int> options) {
    if (!d_.StepUntil([] { return CurrentScene == SceneTitle; }, 10)) return false;
    d_.Wait(30);
    d_.Press(plat::KeyReturn);
    if (!d_.StepUntil([] { return CurrentScene == SceneShipSelect; }, 400)) return false;
    d_.Wait(30);
    for (int key : options) {
      d_.Press(key);
      d_.Wait(10);
    }
    d_.Press(shipKey);
    return d_.StepUntil([] { return CurrentScene == SceneStage1; }, 10);
  }

  // A frame long enough to carry `clock` (running `rate` units a second) to
  // the next target; at most one every `gap` frames.
  bool JumpInto(const float* targets, size_t count, size_t& next, float clock, uint64_t frame, uint64_t gap,
                float rate = 10) {
    if (next >= count || frame < lastLong_ + gap || clock >= targets[next]) return false;
    lastLong_ = frame;
    d_.Long(static_cast<int>(std::lround((targets[next++] - clock) * 1000 / rate)));
    return true;
  }

  // The mid-boss's script clock runs 10 units for the stage clock's 20, 18 or
  // 16, from 480; at 880 the stage destroys it. Its last windows come only in
  // one long frame from just before 880 that still ends below 1000: one
  // window per mid-boss, `target` for stage s (0: none).
  void SwayTheMidBoss(int s, float target) {
    static constexpr int Slots[3] = {21, 22, 23};
    static constexpr float Rates[3] = {20, 18, 16};
    const EnemyARecord& e = EnemyAPool[Slots[s]];
    const float last = 880 - Rates[s] * 3 / 60;  // three frames before the end
    if (target <= 0 || !e.active || e.destroyed || StageClock < last || StageClock >= 880) return;
    if (swayed_[s] == StageClock) return;
    size_t next = 0;
    if (JumpInto(&target, 1, next, e.phaseTimer, d_.Frame(), 0)) swayed_[s] = StageClock;
  }

  // Fliers leave the playfield (or are shot) long before their programs'
  // late windows: each program gets a long frame into each of its targets in
  // turn, while one of its fliers is young.
  void LateWindows() {
    static constexpr float StageRates[3] = {20, 18, 16};
    const int s = StageIndex();
    if (s < 0) return;
    struct Late {
      int slots[4];
      float rate;
      std::array<float, 8> targets;
      size_t count;
    };
    static constexpr Late Programs[] = {
        // Programs 3 and 4, each late window twice over where room allows.
        {{3, 4, 17, 18}, 10, {165, 150, 130, 110, 90, 130, 150, 165}, 8},
        {{5, 6, 11, 12}, 40, {150, 95}, 2},  // programs 5 and 6
        {{7, 8, 13, 14}, 80, {210, 155}, 2},  // programs 7 and 8
    };
    for (size_t p = 0; p < std::size(Programs); ++p) {
      const Late& late = Programs[p];
      if (nextLate_[p] >= late.count) continue;
      for (int slot : late.slots) {
        const EnemyARecord& e = EnemyAPool[slot];
        if (!e.active || e.destroyed || e.phaseTimer < 10 || e.phaseTimer >= 80) continue;
        const float seconds = (late.targets[nextLate_[p]] - e.phaseTimer) / late.rate;
        if (!SkipsAWindow(s, StageClock + seconds * StageRates[s]) &&
            JumpInto(late.targets.data(), late.count, nextLate_[p], e.phaseTimer, d_.Frame(), 30, late.rate))
          return;
      }
    }
  }

  // Whether a jump of the stage clock to `to` would skip what a game must
  // run at its pace: the boss fight, the mid-boss's whole encounter (it is to
  // be swayed), and in Stage3 any window (the rush games, at the normal pace
  // up to the bosses of Stages 1 and 2, never reach these).
  static bool SkipsAWindow(int s, float to) {
    if (to >= Stages[s].bossAfter || (StageClock < 1000 && to > 380)) return true;
    if (s < 2) return false;
    for (const NamedTimeline& table : Stage3Schedule.clockTables)
      for (const TimelineRow& row : table.rows)
        if (row.window.low >= StageClock && row.window.high <= to) return true;
    return false;
  }

  // Mid-bosses are spared while they fight, so that they live to be swayed.
  static bool MidBossFight() { return StageClock > 380 && StageClock < 1000; }

  Driver& d_;
  uint64_t lastLong_ = 0;

 private:
  float swayed_[3] = {-1, -1, -1};
  size_t nextLate_[3] = {};
};

// The whole game with the ship that survives hits: ship 1, keyboard, every
// weapon in turn, bombs, the beam once powered, pick-ups, a pause; each boss
// is worn down into its attack band and then left alone, so that its attack
// cycles run until the clock ends the stage.
class FullGame : Bot {
 public:
  using Bot::Bot;

  bool Play() {
    if (!StartGame(plat::KeyF1, {'O'})) return false;
    while (StageIndex() >= 0) {
      Stage(StageIndex());
      if (!d_.Step()) return false;
    }
    d_.ReleaseAll({plat::KeyLeft, plat::KeyRight, plat::KeyUp, plat::KeyDown, 'N', 'C', 'V', 'B', 'M'});
    if (!d_.StepUntil([] { return CurrentScene == SceneTitle; }, 20000)) return false;
    return d_.Wait(120);
  }

 private:
  void Stage(int s) {
    const uint64_t frame = d_.Frame();
    // A pause early in the first stage, and the resume.
    if (s == 0 && !paused_ && StageClock > 300) {
      paused_ = true;
      d_.Press('S');
      resumeAt_ = frame + 90;
    }
    if (frame == resumeAt_) d_.Press('S');

    const BossRecord& boss = StageBoss[s];
    const bool fight = StageClock > Stages[s].bossAfter;
    const bool inBand = fight && boss.hitPoints > 0 && boss.hitPoints < Stages[s].band;
    const bool near = fight && boss.hitPoints < Stages[s].band + 40;

    // The powered ship's beam would strike the mid-bosses: the power-up waits
    // until the last one has gone, and while one fights the ship waits in the
    // bottom right corner, where a beam picked up by chance passes it by.
    const bool powerUp = s == 2 && StageClock > 1000;
    const bool spare = MidBossFight();
    Point to;
    if (spare)
      to = {PlayfieldLeft + 300.0f, 540};
    else if (!PickUp(to, powerUp))
      to = fight && !inBand ? Point{boss.x + 120, 420} : Sweep(frame);
    to.x = Clamp(to.x, PlayfieldLeft, PlayfieldLeft + 300);
    d_.Steer(to);

    static constexpr int Weapons[] = {'N', 'C', 'V', 'B'};
    d_.Fire(inBand || spare ? 0 : near ? 'N' : Weapons[(frame / 150) % 4]);
    d_.Hold('M', !fight && !spare && frame % 400 < 20);

    static constexpr float MidBossTargets[3] = {255, 270, 295.5f};
    SwayTheMidBoss(s, MidBossTargets[s]);
    if (s == 0 && inBand) SwayTheFirstBoss(frame, boss);
    LateWindows();
  }

  // The first boss's script loops before its sway windows; only a frame long
  // enough to carry its clock past the loop runs one.
  void SwayTheFirstBoss(uint64_t frame, const BossRecord& boss) {
    static constexpr float Targets[] = {166.5f, 181, 195.5f, 205.5f, 215.5f, 225.5f, 235.5f};
    if (boss.scriptClock >= 138 && boss.scriptClock < 160)
      JumpInto(Targets, std::size(Targets), nextSway_, boss.scriptClock, frame, 300);
  }

  bool paused_ = false;
  uint64_t resumeAt_ = 0;
  size_t nextSway_ = 0;
};

// A game that is lost: ship 2 on the keyboard flies into the bullets until
// the continue prompt, continues with Y, is lost again and leaves the game
// over with T; then a game under mouse control. Long frames of 3, 8 and 12
// seconds fall in the middle of stages.
class LostGame : Bot {
 public:
  using Bot::Bot;

  bool Play() {
    if (!StartGame(plat::KeyRight, {})) return false;
    for (int prompts = 0; prompts < 2;) {
      if (StageIndex() < 0) return false;
      if (ContinueShown) {
        ++prompts;
        d_.Fire(0);
        d_.Steer({PlayerX, PlayerY});
        d_.Wait(90);
        d_.Press(prompts == 1 ? 'Y' : 'T');
        if (!d_.Step()) return false;
        continue;
      }
      Lose(StageIndex(), d_.Frame());
      if (!d_.Step()) return false;
    }
    d_.ReleaseAll({plat::KeyLeft, plat::KeyRight, plat::KeyUp, plat::KeyDown, 'N', 'C', 'V', 'B'});
    return MouseGame();
  }

 private:
  void Lose(int s, uint64_t frame) {
    Point to;
    if (!NearestBullet(to)) to = Sweep(frame);
    d_.Steer(to);
    // Bosses are worn into their bands and then left alone: their attacks
    // wear the ship down, and the game never leaves its stage.
    const BossRecord& boss = StageBoss[s];
    const bool inBand = StageClock > Stages[s].bossAfter && boss.hitPoints < Stages[s].band;
    d_.Fire((s == 1 && MidBossFight()) || inBand ? 0 : (frame / 200) % 2 ? 'V' : 'B');
    if (s == 1) SwayTheMidBoss(s, 285.5f);
    LateWindows();
    if (StageClock > 300 && !longs_[0]) LongFrame(0, 3000);
    if (StageClock > 1700 && !longs_[1]) LongFrame(1, 8000);
  }

  void LongFrame(int which, int ms) {
    longs_[which] = true;
    d_.Long(ms);
  }

  // Mouse control from the ship select: the ship follows the cursor toward
  // coins, the left and the right buttons fire in turn.
  bool MouseGame() {
    if (!StartGame(plat::KeyF1, {'M'})) return false;
    while (CurrentScene == SceneStage1 && StageClock < 700) {
      const uint64_t frame = d_.Frame();
      Point to;
      if (!PickUp(to, true)) to = Sweep(frame);
      if (frame % 4 == 0) d_.Mouse(static_cast<int>(to.x) + 30, static_cast<int>(to.y) + 30);
      d_.Button(0, (frame / 240) % 2 == 0);
      d_.Button(1, (frame / 240) % 2 == 1);
      if (StageClock > 200 && !longs_[2]) LongFrame(2, 12000);
      if (!d_.Step()) return false;
    }
    d_.Button(0, false);
    d_.Button(1, false);
    d_.Press('T');
    return d_.Wait(60);
  }

  bool longs_[3] = {};
};

// Three short games with the ship that survives, never powered (its beam
// would strike the mid-boss): each boss is shot down as soon as it comes, the
// last mid-boss is spared and swayed into one of its last windows, and T
// leaves for the title to start again. Before that one long frame the first
// game runs at the normal pace, so every window up to there runs in it.
class RushGames : Bot {
 public:
  using Bot::Bot;

  bool Play() {
    static constexpr float Targets[] = {305.5f, 315.5f, 323};
    for (float target : Targets) {
      if (!StartGame(plat::KeyF1, {'O'})) return false;
      // The first game runs at the normal pace; the later ones hurry on in
      // quarter-second frames up to the mid-boss's last moments.
      const bool hurry = target != Targets[0];
      while (!(CurrentScene == SceneStage3 && StageClock > 900)) {
        const int s = StageIndex();
        if (s < 0) return false;
        Rush(s, d_.Frame());
        if (s == 2) SwayTheMidBoss(s, target);
        if (hurry && !(s == 2 && StageClock > 840)) d_.Long(250);
        if (!d_.Step()) return false;
      }
      d_.ReleaseAll({plat::KeyLeft, plat::KeyRight, plat::KeyUp, plat::KeyDown, 'B', 'V'});
      d_.Press('T');
      if (!d_.Step()) return false;
    }
    return d_.Wait(60);
  }

 private:
  void Rush(int s, uint64_t frame) {
    const BossRecord& boss = StageBoss[s];
    const bool fight = StageClock > Stages[s].bossAfter;
    Point to;
    if (fight)
      to = {boss.x + 120, 400};
    else if (!PickUp(to, false))
      to = Sweep(frame);
    to.x = Clamp(to.x, PlayfieldLeft, PlayfieldLeft + 300);
    d_.Steer(to);
    d_.Fire(s == 2 && MidBossFight() ? 0 : (frame / 100) % 2 ? 'B' : 'V');
  }
};

}  // namespace

bool RecordGame(const std::string& name, Replay& out) {
  Playthrough playthrough(StartCalendar);
  Driver driver(playthrough);
  bool played = false;
  if (name == "full")
    played = FullGame(driver).Play();
  else if (name == "lost")
    played = LostGame(driver).Play();
  else if (name == "rush")
    played = RushGames(driver).Play();
  else
    return false;
  out = playthrough.Recorded();
  return played;
}

}  // namespace replay
