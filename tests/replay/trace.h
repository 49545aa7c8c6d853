// The trace of a replay: one line per sample with the frame, the scene, the
// stage clock, the boss attack counter, score and energy, and a 64-bit digest
// of each part of the world, followed by sparse digests of the enemy slots
// and bullet pools that are live, so that a differing line names the slot or
// pool that changed.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace replay {

// The parts of the world each line digests, in line order.
enum Part : int {
  PartPlayer,   // ship, options, power-up, explosion, control
  PartShots,    // the player's shot pools and fire sequencers
  PartBombs,
  PartBeam,
  PartEnemyA,   // every EnemyA slot, mid-bosses included
  PartEnemyB,   // gunships
  PartEnemyC,   // carriers with their arm segments
  PartBosses,   // boss records, slides, blasts, attack counters
  PartPools,    // every bullet pool and its counters, enemy shots included
  PartCoins,
  PartSparks,
  PartDebris,
  PartPixels,   // the back buffer
  PartCount
};
const char* PartName(int part);

struct Sample {
  uint64_t frame = 0;
  int scene = 0;
  float clock = 0;
  int counter = 0;
  int score = 0;
  int energy = 0;
  uint64_t digest[PartCount] = {};
  // "A5", "B2", "C1" and pools by their routines' name ("Stage1Aimed01"),
  // each with a 24-bit digest of its records, only where something is live.
  std::vector<std::pair<std::string, uint32_t>> enemies, pools;
};

// Reads the world as it stands after `frame` frames.
Sample TakeSample(uint64_t frame);
std::string FormatSample(const Sample& s);
// Writes the records of a part as they stand now, one a line: those of the
// runs named in `only` (enemy slots and pools), or every live one when it is
// empty.
void ShowRecords(int part, const std::set<std::string>& only, std::ostream& out);

// The first difference between two trace lines: a description naming the
// frame and the part (and the slot or pool where the sparse digests tell),
// or empty when they agree.
std::string Difference(const std::string& expected, const std::string& actual);
// The records of the part named in a difference, as they stand now: the live
// ones, or for a named slot or pool, its records.
std::string DescribeDifference(const std::string& expected, const std::string& actual);

}  // namespace replay
