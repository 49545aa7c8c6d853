#include "assets/pack.h"
#include "engine/velSystem.h"
#include "platform/resources.h"

int main() {
  plat::RegisterResources(VelkorPack, VelkorPackCount);
  return WinMain();
}
