// SDL's driver hints (SDL_VIDEODRIVER, SDL_AUDIODRIVER): names separated by
// commas, which SDL tries in turn and matches whatever their case.
#pragma once
#include <SDL.h>

#include <algorithm>
#include <string>

namespace plat {

// True when `list`, a driver hint's value, names `driver`.
inline bool DriverListNames(const std::string& list, const char* driver) {
  for (size_t i = 0; i <= list.size();) {
    const size_t end = std::min(list.find(',', i), list.size());
    if (SDL_strcasecmp(list.substr(i, end - i).c_str(), driver) == 0) return true;
    i = end + 1;
  }
  return false;
}

}  // namespace plat
