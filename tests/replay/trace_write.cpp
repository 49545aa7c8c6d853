// Writing trace lines: each part of the world digested into a sample, the
// sample formatted as a line, and a part's records shown field by field.
#include "tests/replay/trace.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>

#include "bullets/bullets.h"
#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "platform/surface.h"

namespace replay {

namespace {

constexpr const char* PartNames[PartCount] = {"player", "shots",  "bombs", "beam",   "enemyA", "enemyB", "enemyC",
                                              "bosses", "pools",  "coins", "sparks", "debris", "pixels"};

// 64-bit FNV-1a over whole words, then the odd bytes.
struct Hasher {
  uint64_t h = 1469598103934665603ull;
  void Bytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      h = (h ^ w) * 1099511628211ull;
    }
    for (; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
  }
};

// --- Each record kind shown by its fields.

struct Fields {
  std::ostringstream out;
  template <class T>
  Fields& operator()(const char* name, const T& value) {
    out << ' ' << name << '=' << value;
    return *this;
  }
};
std::string Show(const StepBulletRecord24& r) {
  return (Fields()("x", r.x)("y", r.y)("phase", r.phaseTimer)("active", r.active)).out.str();
}
std::string Show(const VelBulletRecord32& r) {
  return (Fields()("frame", r.frame)("tick", r.tick)("x", r.x)("y", r.y)("vx", r.vx)("vy", r.vy)("active",
                                                                                                  r.active))
      .out.str();
}
std::string Show(const AngleBulletRecord& r) {
  return (Fields()("frame", r.frame)("tick", r.tick)("x", r.x)("y", r.y)("angle", r.angle)("speed", r.speed)(
              "active", r.active))
      .out.str();
}
std::string Show(const AngleBulletRecord60& r) {
  return (Fields()("frame", r.frame)("x", r.x)("y", r.y)("angle", r.angle)("speed", r.speed)("ramp", r.rampTimer)(
              "active", r.active))
      .out.str();
}
std::string Show(const WhipBulletRecord64& r) {
  return (Fields()("frame", r.frame)("x", r.x)("y", r.y)("driftX", r.driftX)("driftY", r.driftY)("angle", r.angle)(
              "speed", r.speed)("bend", r.bendTimer)("active", r.active))
      .out.str();
}
Fields& Base(Fields&& f, const EnemyBase& e) {
  return f("x", e.x)("y", e.y)("variant", e.variant)("explosion", e.explosionLoop)("explosionFrame",
                                                                                 e.explosionFrame)("flame",
                                                                                                   e.flameFrame);
}
std::string Show(const EnemyARecord& r) {
  return Base(Fields(), r)("vx", r.vx)("vy", r.vy)("phase", r.phaseTimer)("angle", r.angle)("radial",
                                                                                            r.radialSpeed)(
             "guard", r.hitGuard)("active", r.active)("destroyed", r.destroyed)
      .out.str();
}
std::string Show(const EnemyBRecord& r) {
  return Base(Fields(), r)("vx", r.vx)("vy", r.vy)("heading", r.heading)("phase", r.phaseTimer)("hp",
                                                                                              r.hitPoints)(
             "guard", r.hitGuard)("active", r.active)("destroyed", r.destroyed)
      .out.str();
}
std::string Show(const DebrisRecord& r) {
  return (Fields()("frame", r.frame)("x", r.x)("y", r.y)("vx", r.vx)("vy", r.vy)("active", r.active)).out.str();
}
std::string Show(const CoinRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("speed", r.speed)("active", r.active)("collected", r.collected)(
              "burst", r.burstLoop)("burstFrame", r.burstFrame))
      .out.str();
}
std::string Show(const SparkRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("active", r.active)).out.str();
}
std::string Show(const BossRecord& r) {
  return (Fields()("counter", r.counter)("x", r.x)("y", r.y)("script", r.scriptClock)("hp", r.hitPoints)(
              "death", r.deathClock)("guard", r.hitGuard)("hit", r.hitFlag))
      .out.str();
}
std::string Show(const BossExplosion& r) {
  return (Fields()("frame", r.frame)("x", r.x)("y", r.y)).out.str();
}
std::string Show(const ArrivalSlide& r) {
  return (Fields()("x", r.x)("y", r.y)("speed", r.speed)).out.str();
}
std::string Show(const PlayerShotRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("drift", r.drift)("step", r.step)("active", r.active)).out.str();
}
std::string Show(const MainShotRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("phase", r.phase)("active", r.active)).out.str();
}
std::string Show(const BombRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("speed", r.speed)("angle", r.angle)("active", r.active)).out.str();
}
std::string Show(const BeamPartRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("active", r.active)).out.str();
}
std::string Show(const OptionPod& r) {
  return (Fields()("x", r.x)("y", r.y)("angle", r.angle)).out.str();
}
std::string Show(const PowerUpRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("speed", r.speed)("active", r.active)("collected", r.collected)).out.str();
}
std::string Show(const PlayerExplosionRecord& r) {
  return (Fields()("x", r.x)("y", r.y)("dx", r.dx)("dy", r.dy)("angle", r.angle)("speed", r.speed)("armed",
                                                                                                  r.armed)(
              "step", r.step)("done", r.done))
      .out.str();
}
std::string Show(int v) {
  return " " + std::to_string(v);
}
std::string Show(float v) {
  char text[32];
  std::snprintf(text, sizeof text, " %.9g", v);
  return text;
}

// Whether a record counts as live: armed, flying or exploding; an enemy slot
// as soon as anything in it differs from a fresh slot (a retired enemy keeps
// its speeds and clock).
template <class R>
bool Live(const R& r) {
  if constexpr (requires { r.destroyed; }) {
    static const R fresh{};
    return std::memcmp(&r, &fresh, sizeof r) != 0;
  } else if constexpr (requires { r.active; }) {
    return r.active != 0;
  } else if constexpr (requires { r.armed; }) {
    return r.armed != 0;
  } else {
    return false;  // counters and positions: in the part's digest only
  }
}

// What a part is made of: named runs of records, each digested and shown alike.
class Visitor {
 public:
  virtual ~Visitor() = default;
  template <class R>
  void Records(const std::string& name, const R* records, int count) {
    OnRecords(name, records, sizeof(R) * count, count, [records](int k) { return Live(records[k]); },
              [records](int k) { return Show(records[k]); });
  }
  template <class R, int N>
  void Records(const std::string& name, const R (&records)[N]) {
    Records(name, records, N);
  }
  template <class R>
  void Value(const std::string& name, const R& value) {
    Records(name, &value, 1);
  }

 protected:
  virtual void OnRecords(const std::string& name, const void* data, size_t bytes, int count,
                         const std::function<bool(int)>& live, const std::function<std::string(int)>& show) = 0;
};

// A pool by the name its routines carry: Stage1AimedPool01 -> Stage1Aimed01.
std::string RoutineName(std::string pool) {
  return pool.erase(pool.find("Pool"), 4);
}

void VisitPart(int part, Visitor& v) {
  switch (part) {
    case PartPlayer:
      v.Value("PlayerX", PlayerX);
      v.Value("PlayerY", PlayerY);
      v.Value("vx", PlayerVelocity.vx);
      v.Value("vy", PlayerVelocity.vy);
      v.Value("ShipType", ShipType);
      v.Value("mouse", ControlMode.mouse);
      v.Value("PlayerAlive", PlayerAlive);
      v.Value("RespawnFlag", RespawnFlag);
      v.Value("RespawnCounter", RespawnCounter);
      v.Value("NoLossOption", NoLossOption);
      v.Value("WeaponPowered", WeaponPowered);
      v.Value("ShipFlameFrame", ShipFlameFrame);
      v.Value("Paused", Paused);
      v.Value("ContinueShown", ContinueShown);
      v.Value("PowerUpItem", PowerUpItem);
      v.Records("OptionPods", OptionPods);
      v.Records("PlayerExplosion", PlayerExplosion);
      break;
    case PartShots:
      v.Records("MainShotPool", MainShotPool);
      v.Records("TripleShotPool", TripleShotPool);
      v.Records("WideShotPool", WideShotPool);
      v.Records("FiveWayShotPool", FiveWayShotPool);
      v.Records("OptionShotPool", OptionShotPool);
      v.Records("SequencerCounter", SequencerCounter);
      v.Value("WideFired", WideFired);
      v.Value("TripleFired", TripleFired);
      v.Value("FiveWayFired", FiveWayFired);
      break;
    case PartBombs: v.Records("BombPool", BombPool); break;
    case PartBeam:
      v.Records("BeamPartPool", BeamPartPool);
      v.Value("BeamCounter", BeamCounter);
      break;
    case PartEnemyA:
      for (int i = 0; i < EnemyACount; ++i) v.Value("A" + std::to_string(i), EnemyAPool[i]);
      break;
    case PartEnemyB:
      for (int i = 0; i < EnemyBCount; ++i) v.Value("B" + std::to_string(i), EnemyBPool[i]);
      break;
    case PartEnemyC:
      for (int i = 0; i < EnemyCCount; ++i) {
        v.Value("C" + std::to_string(i), EnemyCPool[i]);
        v.Records("C" + std::to_string(i) + "LeftArm", EnemyCLeftArmPool[i]);
        v.Records("C" + std::to_string(i) + "RightArm", EnemyCRightArmPool[i]);
      }
      break;
    case PartBosses:
      v.Records("StageBoss", StageBoss);
      v.Value("Stage1AttackCounter", Stage1AttackCounter);
      v.Value("Stage3AttackCounter", Stage3AttackCounter);
      v.Value("Stage1ArrivalSlide", Stage1ArrivalSlide);
      v.Value("Stage2ArrivalSlide", Stage2ArrivalSlide);
      v.Records("BossDamageBursts", BossDamageBursts);
      v.Records("Stage2BossBigBlasts", Stage2BossBigBlasts);
      v.Records("Stage3BossBigBlasts", Stage3BossBigBlasts);
      for (int b = 0; b < 3; ++b) v.Records("BossSmallBlasts" + std::to_string(b), BossSmallBlasts[b]);
      v.Records("BossDamageFrame", BossDamageFrame);
      break;
    case PartPools:
#define VELKOR_VISIT_POOL(name, type, count, modulus) v.Records(RoutineName(#name), name);
      VELKOR_BULLET_POOLS(VELKOR_VISIT_POOL)
#undef VELKOR_VISIT_POOL
      v.Records("EnemyAimed01", EnemyAimedPool01);
      v.Records("EnemyAimed02", EnemyAimedPool02);
      v.Records("EnemyAimed03", EnemyAimedPool03);
      v.Records("EnemyMissile", EnemyMissilePool);
      v.Records("EnemyMissileFan", EnemyMissileFanPool);
      v.Value("Stage1RadialCounter01", Stage1RadialCounter01);
      v.Value("Stage1RadialCounter02", Stage1RadialCounter02);
      v.Value("Stage1RadialCounter03", Stage1RadialCounter03);
      v.Value("Stage1RadialCounter04", Stage1RadialCounter04);
      v.Value("Stage1RadialCounter05", Stage1RadialCounter05);
      v.Value("Stage1RadialCounter06", Stage1RadialCounter06);
      v.Records("Stage3CurveCounter", Stage3CurveCounter);
      break;
    case PartCoins: v.Records("EnemyACoinPool", EnemyACoinPool); break;
    case PartSparks:
      v.Records("Stage1Sparks", &Stage1Sparks[0][0], SparkRows * SparksPerRow);
      v.Records("Stage2Sparks", &Stage2Sparks[0][0], SparkRows * SparksPerRow);
      v.Records("Stage3Sparks", &Stage3Sparks[0][0], SparkRows * SparksPerRow);
      break;
    case PartDebris:
      v.Records("EnemyBDebrisPool", EnemyBDebrisPool);
      for (int i = 0; i < EnemyCCount; ++i) {
        v.Records("C" + std::to_string(i) + "LeftDebris", EnemyCLeftDebrisPool[i]);
        v.Records("C" + std::to_string(i) + "RightDebris", EnemyCRightDebrisPool[i]);
      }
      break;
    default: break;
  }
}

// The part's digest, with a digest for each run that holds a live record
// (enemies and pools only).
class Digester : public Visitor {
 public:
  explicit Digester(std::vector<std::pair<std::string, uint32_t>>* sparse) : sparse_(sparse) {}
  Hasher whole;

 protected:
  void OnRecords(const std::string& name, const void* data, size_t bytes, int count,
                 const std::function<bool(int)>& live, const std::function<std::string(int)>&) override {
    whole.Bytes(data, bytes);
    if (!sparse_) return;
    for (int k = 0; k < count; ++k)
      if (live(k)) {
        Hasher one;
        one.Bytes(data, bytes);
        sparse_->emplace_back(name, static_cast<uint32_t>((one.h ^ (one.h >> 32)) & 0xffffff));
        return;
      }
  }

 private:
  std::vector<std::pair<std::string, uint32_t>>* sparse_;
};

// The records of a part: those of the named runs, or the live ones.
class Describer : public Visitor {
 public:
  Describer(std::ostream& out, const std::set<std::string>& only) : out_(out), only_(only) {}

 protected:
  void OnRecords(const std::string& name, const void*, size_t, int count, const std::function<bool(int)>& live,
                 const std::function<std::string(int)>& show) override {
    const bool named = only_.count(name) != 0;
    if (!only_.empty() && !named) return;
    bool shown = false;
    for (int k = 0; k < count; ++k) {
      if (count > 1 && !live(k)) continue;
      out_ << "    " << name;
      if (count > 1) out_ << '[' << k << ']';
      out_ << ':' << show(k) << '\n';
      shown = true;
    }
    if (named && !shown) out_ << "    " << name << ": no live record\n";
  }

 private:
  std::ostream& out_;
  const std::set<std::string>& only_;
};

uint64_t PixelDigest() {
  Hasher h;
  if (const plat::Surface* s = velDraw::BackBuffer()) h.Bytes(s->pixels.data(), s->pixels.size() * 4);
  return h.h;
}

int AttackCounter(int scene) {
  switch (scene) {
    case SceneStage1: return Stage1AttackCounter;
    case SceneStage2: return StageBoss[Stage2BossIndex].counter;
    case SceneStage3: return Stage3AttackCounter;
    default: return 0;
  }
}

}  // namespace

const char* PartName(int part) {
  return part >= 0 && part < PartCount ? PartNames[part] : "?";
}

Sample TakeSample(uint64_t frame) {
  Sample s;
  s.frame = frame;
  s.scene = CurrentScene;
  s.clock = StageClock;
  s.counter = AttackCounter(CurrentScene);
  s.score = Score;
  s.energy = PlayerEnergy;
  for (int part = 0; part < PartCount; ++part) {
    if (part == PartPixels) {
      s.digest[part] = PixelDigest();
      continue;
    }
    auto* sparse = part == PartEnemyA || part == PartEnemyB || part == PartEnemyC ? &s.enemies
                   : part == PartPools                                             ? &s.pools
                                                                                   : nullptr;
    Digester d(sparse);
    VisitPart(part, d);
    s.digest[part] = d.whole.h;
  }
  return s;
}

std::string FormatSample(const Sample& s) {
  std::ostringstream out;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%.9g", s.clock);
  out << "frame=" << s.frame << " scene=" << s.scene << " clock=" << clock << " counter=" << s.counter
      << " score=" << s.score << " energy=" << s.energy;
  char hex[24];
  for (int part = 0; part < PartCount; ++part) {
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(s.digest[part]));
    out << ' ' << PartNames[part] << '=' << hex;
  }
  for (const auto* sparse : {&s.enemies, &s.pools}) {
    out << " |";
    for (const auto& [name, digest] : *sparse) {
      std::snprintf(hex, sizeof hex, "%06x", digest);
      out << ' ' << name << ':' << hex;
    }
  }
  return out.str();
}

void ShowRecords(int part, const std::set<std::string>& only, std::ostream& out) {
  Describer d(out, only);
  VisitPart(part, d);
}

}  // namespace replay
