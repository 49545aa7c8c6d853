// Scripted keys for a run started from the command line.
#include "platform/key_script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/window_state.h"

namespace plat {
namespace {

constexpr uint64_t HoldMs = 100;  // long enough for the game to see the key

// A whole string of decimal digits, no sign (an unsigned read takes none),
// within [low, high].
bool Number(const std::string& text, uint64_t low, uint64_t high, uint64_t& out) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, out);
  return error == std::errc{} && stop == end && out >= low && out <= high;
}

// The entry between quotes, escaped and cut so that any bytes at all print as one short line.
std::string Quoted(const std::string& entry) {
  std::string out = "\"";
  for (const char c : std::string_view(entry).substr(0, MaxShownEntryBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  out += '"';
  if (entry.size() > MaxShownEntryBytes) out += "... (" + std::to_string(entry.size()) + " bytes)";
  return out;
}

}  // namespace

std::vector<ScriptedKey> ParseKeyScript(const std::string& spec, std::vector<std::string>& refused) {
  std::vector<ScriptedKey> out;
  for (size_t i = 0; i <= spec.size();) {
    const size_t end = std::min(spec.find(',', i), spec.size());
    const std::string item = spec.substr(i, end - i);
    i = end + 1;
    if (item.empty()) continue;
    const size_t colon = item.find(':');
    uint64_t at = 0, key = 0;
    if (colon == std::string::npos || !Number(item.substr(0, colon), 0, std::numeric_limits<uint32_t>::max(), at) ||
        !Number(item.substr(colon + 1), 1, KeyCount - 1, key)) {
      refused.push_back(item);
      continue;
    }
    out.push_back({at, static_cast<int>(key)});
    out.push_back({at + HoldMs, -static_cast<int>(key)});
  }
  // At one moment a release goes first, so that a key let go and pressed
  // again reads as pressed.
  std::stable_sort(out.begin(), out.end(), [](const ScriptedKey& a, const ScriptedKey& b) {
    return a.atMs < b.atMs || (a.atMs == b.atMs && a.key < 0 && b.key > 0);
  });
  return out;
}

std::string RefusedKeysMessage(const std::vector<std::string>& refused) {
  std::string out;
  const std::string rule = " refused: not ms:key (ms 0 to " + std::to_string(std::numeric_limits<uint32_t>::max()) +
                           ", key 1 to " + std::to_string(KeyCount - 1) + ")\n";
  for (size_t i = 0; i < refused.size() && i < MaxNamedEntries; ++i)
    out += "VELKOR: VELKOR_KEYS entry " + Quoted(refused[i]) + rule;
  if (refused.size() > MaxNamedEntries)
    out += "VELKOR: " + std::to_string(refused.size() - MaxNamedEntries) + " more VELKOR_KEYS entries refused\n";
  return out;
}

void LoadKeyScript() {
  WindowState& w = W();
  w.scriptStarted = false;
  w.script.clear();
  const char* env = std::getenv("VELKOR_KEYS");
  if (!env) return;
  std::vector<std::string> refused;
  const std::vector<ScriptedKey> keys = ParseKeyScript(env, refused);
  std::fputs(RefusedKeysMessage(refused).c_str(), stderr);
  w.script.assign(keys.begin(), keys.end());
}

void RunKeyScript() {
  WindowState& w = W();
  const uint32_t now = Milliseconds();
  if (!w.scriptStarted) {
    w.scriptStarted = true;
    w.scriptLastMs = now;
    w.scriptElapsedMs = 0;
  }
  // Added up from one pump to the next, so that the count runs on past the
  // wrap of the 32-bit clock to the latest time a script may name.
  w.scriptElapsedMs += static_cast<uint32_t>(now - w.scriptLastMs);
  w.scriptLastMs = now;
  while (!w.script.empty() && w.scriptElapsedMs >= w.script.front().atMs) {
    const int key = w.script.front().key;
    w.script.pop_front();
    QueueKey(key > 0 ? key : -key, key > 0, false);
  }
}

}  // namespace plat
