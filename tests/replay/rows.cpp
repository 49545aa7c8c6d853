// Listing every counted row with how often it ran.
#include "tests/replay/rows.h"

#include <cstdio>

#include "engine/coverage.h"
#include "foes/enemy_parts.h"
#include "game/stage.h"

namespace replay {

namespace {

std::string Number(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

// The window as "low < clock <= high", with the name of its clock.
std::string Bounds(const ClockWindow& w, const char* clock) {
  return Number(w.low) + (w.lowEdge == Edge::Open ? " < " : " <= ") + clock +
         (w.highEdge == Edge::Open ? " < " : " <= ") + Number(w.high);
}

template <class Row>
void AddTable(std::vector<RowRuns>& rows, const std::string& name, std::span<const Row> table,
              const char* clock) {
  for (size_t i = 0; i < table.size(); ++i)
    rows.push_back({name + " row " + std::to_string(i) + " (" + Bounds(table[i].window, clock) + ")",
                    coverage::Runs(&table[i])});
}

}  // namespace

std::vector<RowRuns> CountedRows() {
  std::vector<RowRuns> rows;
  const StageSchedule* stages[] = {&Stage1Schedule, &Stage2Schedule, &Stage3Schedule};
  for (int s = 0; s < 3; ++s) {
    const std::string stage = "Stage" + std::to_string(s + 1) + " ";
    for (const NamedTimeline& t : stages[s]->clockTables) AddTable(rows, stage + t.name, t.rows, "clock");
    for (const NamedTimeline& t : stages[s]->counterTables) AddTable(rows, stage + t.name, t.rows, "c");
  }

  // Programs, then every script once: the named ones, then the programs'
  // own (programs sharing a script: the first names it).
  std::vector<std::pair<const MotionScript*, std::string>> scripts = {
      {&MidBossScript, "mid-boss script"},     {&CarrierEntryScript, "carrier entry script"},
      {&Stage1BossScript, "Stage1 boss script"}, {&Stage2BossScript, "Stage2 boss script"},
      {&Stage3BossScript, "Stage3 boss script"}, {&GunshipScript, "gunship script"},
      {&LeftArmScript, "left arm script"},     {&RightArmScript, "right arm script"}};
  for (int p = 0; p < EnemyProgramCount; ++p) {
    const std::string name = "EnemyA program " + std::to_string(p);
    rows.push_back({name, coverage::Runs(&EnemyAPrograms[p])});
    const MotionScript* script = EnemyAPrograms[p].script;
    bool known = !script;
    for (const auto& named : scripts) known = known || named.first == script;
    if (!known) scripts.emplace_back(script, name + " script");
  }
  rows.push_back({"carrier program", coverage::Runs(&CarrierProgram)});
  for (const auto& [script, name] : scripts) AddTable(rows, name, script->rows, "t");

  for (const coverage::Site* site : coverage::Sites()) rows.push_back({site->Name(), site->Runs()});
  return rows;
}

}  // namespace replay
