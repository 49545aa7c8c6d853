// Resources compiled into the executable, found by name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace plat {

struct ResourceEntry {
  const char* name;  // "IMAGE/COIN1.BMP"
  const uint8_t* data;
  size_t size;
};

// Installs the table (the executable's own pack); names compare without case.
void RegisterResources(const ResourceEntry* entries, size_t count);
// Null when there is no resource of that name.
const ResourceEntry* FindResource(std::string_view name);

}  // namespace plat
