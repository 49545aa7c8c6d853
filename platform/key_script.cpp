// Scripted keys for a run started from the command line.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/clock.h"
#include "platform/window_state.h"

namespace plat {

void LoadKeyScript() {
  const char* env = std::getenv("VELKOR_KEYS");
  if (!env) return;
  std::string spec(env);
  size_t i = 0;
  while (i < spec.size()) {
    size_t end = spec.find(',', i);
    if (end == std::string::npos) end = spec.size();
    const std::string item = spec.substr(i, end - i);
    const size_t colon = item.find(':');
    if (colon != std::string::npos)
      W().script.emplace_back(static_cast<uint32_t>(std::strtoul(item.c_str(), nullptr, 10)),
                              std::atoi(item.c_str() + colon + 1));
    i = end + 1;
  }
}

// Each scripted key is held for 100 ms, long enough for the game to see it.
void RunKeyScript() {
  WindowState& w = W();
  constexpr uint32_t HoldMs = 100;
  if (!w.scriptStarted) {
    w.scriptStarted = true;
    w.scriptStartMs = Milliseconds();
  }
  while (!w.script.empty() && Milliseconds() - w.scriptStartMs >= w.script.front().first) {
    const uint32_t at = w.script.front().first;
    const int key = w.script.front().second;
    w.script.pop_front();
    if (key > 0) {
      QueueKey(key, true, false);
      auto later = std::find_if(w.script.begin(), w.script.end(), [&](const auto& e) { return e.first > at + HoldMs; });
      w.script.insert(later, {at + HoldMs, -key});
    } else {
      QueueKey(-key, false, false);
    }
  }
}

}  // namespace plat
