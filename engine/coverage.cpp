// The row counters the replay tool reads; counting never changes play.
#include "engine/coverage.h"

#include <unordered_map>

namespace coverage {

bool On = false;

namespace {
std::unordered_map<const void*, uint64_t>& Counts() {
  static std::unordered_map<const void*, uint64_t> counts;
  return counts;
}
std::vector<Site*>& SiteList() {
  static std::vector<Site*> sites;
  return sites;
}
}  // namespace

void Hit(const void* row) {
  if (On) ++Counts()[row];
}

uint64_t Runs(const void* row) {
  const auto it = Counts().find(row);
  return it == Counts().end() ? 0 : it->second;
}

Site::Site(const char* name) : name_(name) { SiteList().push_back(this); }

const std::vector<Site*>& Sites() { return SiteList(); }

void Clear() {
  Counts().clear();
  for (Site* site : SiteList()) site->Reset();
}

}  // namespace coverage
