#include <csignal>

#include "assets/pack.h"
#include "engine/velSystem.h"
#include "platform/resources.h"

int main() {
  // A message written to a closed pipe fails quietly rather than ending the game.
  std::signal(SIGPIPE, SIG_IGN);
  plat::RegisterResources(VelkorPack, VelkorPackCount);
  return WinMain();
}
