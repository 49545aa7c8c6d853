// Scripted keys for a run started from the command line: VELKOR_KEYS holds
// "ms:key,ms:key..." and each key is pressed that many ms after the first
// frame, however long the pictures took to load before it, and held for
// 100 ms (the executables' own tests use it). The first frame is the first
// message pump.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

struct ScriptedKey {
  uint64_t atMs;  // after the first frame
  int key;        // pressed when positive, released when negative
};

// The presses and releases of a script in time order, whatever order its
// entries are listed in. An entry that is not two numbers in range (ms 0 to
// 4294967295, key 1 to 255) is left out and added to `refused`.
std::vector<ScriptedKey> ParseKeyScript(const std::string& spec, std::vector<std::string>& refused);

// What standard error is told of refused entries: a line for each of the
// first MaxNamedEntries, each entry quoted with every byte that is not
// printable ASCII (and every quote and backslash) escaped and cut after
// MaxShownEntryBytes bytes, then one line that counts the rest.
inline constexpr size_t MaxNamedEntries = 8;
inline constexpr size_t MaxShownEntryBytes = 40;
std::string RefusedKeysMessage(const std::vector<std::string>& refused);

// Reads VELKOR_KEYS when the window is made (a refused entry is named on
// standard error), and plays it out as messages are pumped.
void LoadKeyScript();
void RunKeyScript();

}  // namespace plat
