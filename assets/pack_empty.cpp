#include "assets/pack.h"

const plat::ResourceEntry VelkorPack[] = {{"", nullptr, 0}};
const size_t VelkorPackCount = 0;
