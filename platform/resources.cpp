// The table of resources compiled into the executable.
#include "platform/resources.h"

#include <strings.h>

#include <string>

namespace plat {
namespace {
const ResourceEntry* table = nullptr;
size_t tableCount = 0;
}  // namespace

void RegisterResources(const ResourceEntry* entries, size_t count) {
  table = entries;
  tableCount = count;
}

const ResourceEntry* FindResource(std::string_view name) {
  std::string key(name);
  for (size_t i = 0; i < tableCount; ++i)
    if (strcasecmp(table[i].name, key.c_str()) == 0) return &table[i];
  return nullptr;
}

}  // namespace plat
