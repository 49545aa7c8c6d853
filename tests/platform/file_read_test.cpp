// A pack file may be anything a player's folder can hold in its place.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

// Reads on a thread of its own, so that a read that blocks fails the test
// instead of hanging it.
bool ReadsWithin(const std::string& path, std::vector<uint8_t>& out, bool& ok) {
  auto done = std::make_shared<std::promise<std::pair<bool, std::vector<uint8_t>>>>();
  std::future<std::pair<bool, std::vector<uint8_t>>> result = done->get_future();
  std::thread([path, done] {
    std::vector<uint8_t> bytes{1, 2, 3};
    try {
      const bool read = plat::ReadFile(path, bytes);
      done->set_value({read, std::move(bytes)});
    } catch (...) {
      done->set_exception(std::current_exception());
    }
  }).detach();
  if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) return false;
  auto [read, bytes] = result.get();  // rethrows what the reader threw
  ok = read;
  out = std::move(bytes);
  return true;
}

TEST(ReadFile, TakesOnlyAPlainFileOfBoundedSizeAtOnceAndNeverThrows) {
  std::string tmpl = (fs::temp_directory_path() / "velkor-read-XXXXXX").string();
  ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
  const fs::path dir = tmpl;
  fs::create_directory(dir / "folder");
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);  // no writer: a blocking open waits forever
  fs::create_symlink("/dev/zero", dir / "zero");        // endless
  std::ofstream(dir / "oversize").close();
  fs::resize_file(dir / "oversize", plat::MaxFileBytes + 1);  // sparse: costs no disk
  std::ofstream(dir / "plain", std::ios::binary) << "RIFF";

  for (const char* name : {"folder", "pipe", "zero", "oversize", "missing"}) {
    std::vector<uint8_t> out;
    bool ok = true;
    const auto start = std::chrono::steady_clock::now();
    try {
      ASSERT_TRUE(ReadsWithin((dir / name).string(), out, ok)) << name << " is still being read";
    } catch (const std::exception& e) {
      ADD_FAILURE() << name << " threw " << e.what();
      continue;
    }
    EXPECT_FALSE(ok) << name;
    EXPECT_TRUE(out.empty()) << name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << name;
  }
  std::vector<uint8_t> out;
  bool ok = false;
  ASSERT_TRUE(ReadsWithin((dir / "plain").string(), out, ok));
  EXPECT_TRUE(ok);
  EXPECT_EQ(out, (std::vector<uint8_t>{'R', 'I', 'F', 'F'}));
  fs::remove_all(dir);
}

}  // namespace
