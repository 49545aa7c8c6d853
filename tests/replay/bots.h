// The players that record the checked-in games: each reads the world every
// frame and decides the input of the next, through a Playthrough, so that the
// replay file it leaves plays the same game back on its own.
#pragma once
#include <string>

#include "tests/replay/replay.h"

namespace replay {

// The names of the recorded games, and the bot that plays each.
const char* const BotNames[] = {"full", "lost", "rush"};
// False for an unknown name.
bool RecordGame(const std::string& name, Replay& out);

}  // namespace replay
