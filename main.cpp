// The program's entry: the process set-up the game needs, then the program frame.
#include <malloc.h>

#include <csignal>

#include "assets/pack.h"
#include "engine/velSystem.h"
#include "platform/resources.h"

int main() {
  // One heap for every thread. The synthesiser starts a thread per core to
  // load its soundfont, and each would otherwise reserve a heap of 64 MiB of
  // address space: on eight cores that more than doubles what the game
  // reserves, and under a cap on address space leaves no room to start them.
  mallopt(M_ARENA_MAX, 1);
  // A message written to a closed pipe fails quietly rather than ending the game.
  std::signal(SIGPIPE, SIG_IGN);
  plat::RegisterResources(VelkorPack, VelkorPackCount);
  return WinMain();
}
