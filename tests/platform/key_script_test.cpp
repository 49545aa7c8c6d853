// Keys scripted through VELKOR_KEYS, as the executables' own tests give them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/key_script.h"
#include "platform/window.h"

namespace {

std::string Written(const std::vector<plat::ScriptedKey>& keys) {
  std::string out;
  for (const plat::ScriptedKey& k : keys) out += std::to_string(k.atMs) + ":" + std::to_string(k.key) + " ";
  return out;
}

TEST(KeyScript, EntriesPlayInTimeOrderWhateverOrderTheyAreListedIn) {
  std::vector<std::string> refused;
  // The latest time the clock can tell, listed first, must not hold back the others.
  EXPECT_EQ(Written(plat::ParseKeyScript("4294967295:13,2000:27,50:90,", refused)),
            "50:90 150:-90 2000:27 2100:-27 4294967295:13 4294967395:-13 ");
  // A key let go and pressed again at one moment reads as pressed.
  EXPECT_EQ(Written(plat::ParseKeyScript("100:90,0:90", refused)), "0:90 100:-90 100:90 200:-90 ");
  EXPECT_TRUE(refused.empty());
}

TEST(KeyScript, AnEntryThatIsNotTwoNumbersInRangeIsRefusedAndTheRestPlay) {
  std::vector<std::string> refused;
  const auto keys = plat::ParseKeyScript(
      "100:-2147483648,4294967296:13,-1:13,100:0,100:256,100,:13,100:,1e3:13,100:13x,10:+13,300:27", refused);
  EXPECT_EQ(Written(keys), "300:27 400:-27 ");
  EXPECT_EQ(refused, (std::vector<std::string>{"100:-2147483648", "4294967296:13", "-1:13", "100:0", "100:256", "100",
                                               ":13", "100:", "1e3:13", "100:13x", "10:+13"}));
}

// Whatever bytes an entry holds, standard error gets short lines of printable
// ASCII: at most eight entries named, the rest counted.
TEST(KeyScript, RefusedEntriesAreNamedSafelyAndBriefly) {
  const std::string rule = " refused: not ms:key (ms 0 to 4294967295, key 1 to 255)\n";
  const std::string line = "VELKOR: VELKOR_KEYS entry ";
  const auto xs = [&](int n) {
    std::string m;
    for (int i = 0; i < n; ++i) m += line + "\"x\"" + rule;
    return m;
  };
  struct Case {
    std::vector<std::string> refused;
    std::string message;
  };
  const Case cases[] = {
      {{}, ""},
      {{"1e3:13"}, line + "\"1e3:13\"" + rule},
      {{std::string("1\0:\x1b[2J\n\xff\xc3\xa9\x7f", 12)}, line + "\"1\\x00:\\x1B[2J\\x0A\\xFF\\xC3\\xA9\\x7F\"" + rule},
      {{"say \"\\\""}, line + "\"say \\\"\\\\\\\"\"" + rule},
      {{std::string(40, '7')}, line + "\"" + std::string(40, '7') + "\"" + rule},
      {{std::string(41, '7')}, line + "\"" + std::string(40, '7') + "\"... (41 bytes)" + rule},
      {std::vector<std::string>(8, "x"), xs(8)},
      {std::vector<std::string>(1000, "x"), xs(8) + "VELKOR: 992 more VELKOR_KEYS entries refused\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(plat::RefusedKeysMessage(c.refused), c.message);
}

// With the window made, the script plays as the queue is pumped.
class KeyScriptRun : public ::testing::Test {
 protected:
  void SetUp() override {
    headless = plat::Headless();
    plat::SetHeadless(true);
    plat::UseVirtualClock(true);
    plat::SetVirtualClock(7'000'000);
  }
  void TearDown() override {
    unsetenv("VELKOR_KEYS");
    plat::DestroyGameWindow();
    plat::UseVirtualClock(false);
    plat::SetHeadless(headless);
  }
  // The key messages of `frames` pumps 10 ms apart, as "ms:down|up:key".
  std::vector<std::string> Pump(int frames) {
    std::vector<std::string> seen;
    for (int f = 0; f < frames; ++f, plat::AdvanceVirtualClock(10'000))
      for (plat::Message m; plat::PeekMessage(m);)
        if (m.msg == plat::MsgKeyDown || m.msg == plat::MsgKeyUp)
          seen.push_back(std::to_string(f * 10) + (m.msg == plat::MsgKeyDown ? ":down:" : ":up:") +
                         std::to_string(m.wparam));
    return seen;
  }
  bool headless = false;
};

TEST_F(KeyScriptRun, KeysCountFromTheFirstPumpHoweverLongTheLoadTook) {
  setenv("VELKOR_KEYS", "50:90", 1);  // Z, 50 ms in, held for 100 ms
  plat::WindowDesc desc;
  desc.proc = [](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
  ASSERT_TRUE(plat::CreateGameWindow(desc));
  plat::AdvanceVirtualClock(3'000'000);  // the pictures take three seconds
  EXPECT_EQ(Pump(30), (std::vector<std::string>{"50:down:90", "150:up:90"}));
}

// The clock wraps at 2^32 ms while the key is held: it is still let go.
TEST_F(KeyScriptRun, AKeyPressedAtTheLatestTimeIsReleased) {
  setenv("VELKOR_KEYS", "4294967295:13", 1);
  plat::WindowDesc desc;
  desc.proc = [](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
  ASSERT_TRUE(plat::CreateGameWindow(desc));
  EXPECT_TRUE(Pump(1).empty());  // the count starts
  plat::AdvanceVirtualClock(uint64_t{4'294'967'275} * 1000);
  // 4294967285 ms in: pressed at the second pump, let go at the twelfth.
  EXPECT_EQ(Pump(13), (std::vector<std::string>{"10:down:13", "110:up:13"}));
}

TEST_F(KeyScriptRun, ARefusedEntryIsNamedOnOneLine) {
  setenv("VELKOR_KEYS", "100:-2147483648,20:27", 1);
  plat::WindowDesc desc;
  desc.proc = [](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
  testing::internal::CaptureStderr();
  const bool made = plat::CreateGameWindow(desc);
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(made);
  EXPECT_EQ(err.find("\"100:-2147483648\""), err.find('"')) << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  EXPECT_EQ(Pump(20), (std::vector<std::string>{"20:down:27", "120:up:27"}));
}

}  // namespace
