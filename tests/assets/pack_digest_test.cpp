// Every file the generator writes is pinned by a stored digest, so a change of
// compiler, library or code that alters a single byte of the pack is named
// here. After an intended change of art or sound, rewrite the stored digests:
//   VELKOR_UPDATE_DIGESTS=1 build/asset_tests --gtest_filter=PackDigests.*
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "assets/catalog.h"

namespace {

// 64-bit FNV-1a.
uint64_t Digest(const std::vector<uint8_t>& bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (uint8_t b : bytes) h = (h ^ b) * 0x100000001B3ull;
  return h;
}

using Digests = std::map<std::string, uint64_t>;

Digests Stored() {
  Digests d;
  std::ifstream in(VELKOR_PACK_DIGESTS);
  std::string name, hex;
  while (in >> name >> hex) d[name] = std::strtoull(hex.c_str(), nullptr, 16);
  return d;
}

TEST(PackDigests, EveryGeneratedFileMatchesItsStoredDigest) {
  Digests now;
  for (const art::PackFile& f : art::BuildPack()) now[f.name] = Digest(f.bytes);
  if (const char* update = std::getenv("VELKOR_UPDATE_DIGESTS"); update && *update == '1') {
    std::ofstream out(VELKOR_PACK_DIGESTS);
    for (const auto& [name, digest] : now) {
      char hex[17];
      std::snprintf(hex, sizeof hex, "%016" PRIx64, digest);
      out << name << ' ' << hex << '\n';
    }
    ASSERT_TRUE(out.good()) << "cannot write " << VELKOR_PACK_DIGESTS;
    GTEST_SKIP() << "stored " << now.size() << " digests in " << VELKOR_PACK_DIGESTS;
  }
  const Digests stored = Stored();
  ASSERT_FALSE(stored.empty()) << "no digests in " << VELKOR_PACK_DIGESTS;
  std::ostringstream changes;
  for (const auto& [name, digest] : now) {
    const auto it = stored.find(name);
    if (it == stored.end())
      changes << "  new: " << name << '\n';
    else if (it->second != digest)
      changes << "  changed: " << name << '\n';
  }
  for (const auto& [name, digest] : stored)
    if (!now.count(name)) changes << "  no longer generated: " << name << '\n';
  EXPECT_TRUE(changes.str().empty())
      << "the pack differs from its stored digests:\n"
      << changes.str()
      << "if the change is intended, rewrite them with\n"
         "  VELKOR_UPDATE_DIGESTS=1 build/asset_tests --gtest_filter=PackDigests.*";
}

}  // namespace
