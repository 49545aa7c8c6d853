// The game's pictures, sounds and songs compiled into the executable.
#pragma once
#include <cstddef>
#include "platform/resources.h"

extern const plat::ResourceEntry VelkorPack[];
extern const size_t VelkorPackCount;
