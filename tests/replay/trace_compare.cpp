// Comparing trace lines: the first difference between two, and the records
// behind it as they stand now.
#include <map>
#include <set>
#include <sstream>

#include "tests/replay/trace.h"

namespace replay {

namespace {

// A trace line split into its fields: "key=value" words, and the sparse
// "name:digest" words after each '|'.
struct Parsed {
  std::map<std::string, std::string> fields;
  std::map<std::string, std::string> sparse;
  std::vector<std::string> order;
};
Parsed Parse(const std::string& line) {
  Parsed p;
  std::istringstream in(line);
  std::string word;
  while (in >> word) {
    if (word == "|") continue;
    if (auto eq = word.find('='); eq != std::string::npos) {
      p.fields[word.substr(0, eq)] = word.substr(eq + 1);
      p.order.push_back(word.substr(0, eq));
    } else if (auto colon = word.rfind(':'); colon != std::string::npos) {
      p.sparse[word.substr(0, colon)] = word.substr(colon + 1);
    }
  }
  return p;
}

// Enemy runs are named by kind letter and slot ("A5", "C1LeftArm"); every
// other sparse name is a pool's.
bool BelongsTo(const std::string& name, const std::string& part) {
  const bool enemy = name.size() > 1 && name[1] >= '0' && name[1] <= '9';
  if (part == "pools") return !enemy;
  return enemy && part.size() == 6 && part.rfind("enemy", 0) == 0 && name[0] == part.back();
}

// The sparse names whose digests differ or that only one line holds.
std::vector<std::string> SparseDifferences(const Parsed& e, const Parsed& a) {
  std::vector<std::string> names;
  for (const auto& [name, digest] : e.sparse) {
    auto it = a.sparse.find(name);
    if (it == a.sparse.end() || it->second != digest) names.push_back(name);
  }
  for (const auto& [name, digest] : a.sparse)
    if (!e.sparse.count(name)) names.push_back(name);
  return names;
}

}  // namespace

std::string Difference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  const Parsed e = Parse(expected), a = Parse(actual);
  const std::string frame = e.fields.count("frame") ? e.fields.at("frame") : "?";
  std::ostringstream out;
  out << "at frame " << frame << ":";
  bool any = false;
  for (const std::string& key : e.order) {
    const auto it = a.fields.find(key);
    const std::string got = it == a.fields.end() ? "(missing)" : it->second;
    if (got == e.fields.at(key)) continue;
    any = true;
    out << ' ' << key << " differs (expected " << e.fields.at(key) << ", got " << got << ")";
    if (key == "frame") break;
    std::vector<std::string> names;
    for (const std::string& name : SparseDifferences(e, a))
      if (BelongsTo(name, key)) names.push_back(name);
    if (!names.empty()) {
      out << " in";
      for (const std::string& name : names) out << ' ' << name;
    }
    out << ';';
  }
  if (!any) out << " the live slots or pools differ";
  return out.str();
}

std::string DescribeDifference(const std::string& expected, const std::string& actual) {
  const Parsed e = Parse(expected), a = Parse(actual);
  std::ostringstream out;
  const std::vector<std::string> sparse = SparseDifferences(e, a);
  for (int part = 0; part < PartCount; ++part) {
    const char* key = PartName(part);
    if (!e.fields.count(key) || !a.fields.count(key) || e.fields.at(key) == a.fields.at(key)) continue;
    if (part == PartPixels) continue;
    // The live records of the runs the sparse digests name; else every live record.
    std::set<std::string> only;
    for (const std::string& name : sparse)
      if (BelongsTo(name, key)) only.insert(name);
    out << "  " << key << (only.empty() ? ", live records now:\n" : ", the differing runs now:\n");
    ShowRecords(part, only, out);
  }
  return out.str();
}

}  // namespace replay
