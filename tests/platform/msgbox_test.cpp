// A box the video driver cannot show still tells its text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/headless.h"
#include "platform/msgbox.h"
#include "platform/window.h"

namespace {

TEST(MessageBox, OneThatCannotBeShownGoesToStandardError) {
  // A real window on SDL's dummy driver, which shows no boxes.
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  const std::string previous = driver ? driver : "";
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  const bool headless = plat::Headless();
  plat::SetHeadless(false);
  plat::WindowDesc desc;
  desc.fullScreen = false;
  desc.clientWidth = desc.clientHeight = 64;
  desc.proc = [](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
  const bool made = plat::CreateGameWindow(desc);
  std::string err;
  if (made) {
    testing::internal::CaptureStderr();
    plat::ShowMessageBox("caption", "what went wrong");
    err = testing::internal::GetCapturedStderr();
    plat::DestroyGameWindow();
  }
  plat::SetHeadless(headless);
  if (driver)
    setenv("SDL_VIDEODRIVER", previous.c_str(), 1);
  else
    unsetenv("SDL_VIDEODRIVER");
  ASSERT_TRUE(made) << plat::WindowFailure();
  EXPECT_NE(err.find("caption: what went wrong"), std::string::npos) << err;
}

}  // namespace
