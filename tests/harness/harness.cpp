// The headless harness: the real program stepped frame by frame on the virtual clock.
#include "tests/harness/harness.h"

#include <unistd.h>

#include <cmath>

#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/lock.h"
#include "platform/msgbox.h"
#include "platform/window.h"

namespace harness {

Run::Run(bool start) {
  plat::SetHeadless(true);
  plat::UseVirtualClock(true);
  plat::SetCounterAvailable(true);
  plat::SetVirtualClock(10'000'000);
  plat::SetInstanceLockScope("test-" + std::to_string(getpid()));
  plat::ClearBoxLog();
  // A process starts with no wipe; so does every run.
  WipeState = WipeRecord{};
  velSystem::InitFrameTimer(60);
  FrameTimer.pacing = 1;
  if (start) Start();
}

Run::~Run() {
  if (running_) {
    velSystem::Shutdown();
    for (int i = 0; i < 1000 && running_; ++i) Pass();
  }
  // Whatever a test left behind, the next run starts from nothing.
  velSystem::Shutdown();
  plat::DestroyGameWindow();
  plat::Message m;
  while (plat::PeekMessage(m)) {
  }
  plat::ReleaseInstanceLock();
}

bool Run::Start() {
  running_ = StartProgram();
  if (!running_) exitCode_ = 0;
  return running_;
}

bool Run::Pass() {
  if (!running_) return false;
  if (!RunLoopPass()) {
    running_ = false;
    exitCode_ = 0;
  }
  return running_;
}

bool Run::Frame(uint64_t micros) {
  if (!running_) return false;
  plat::AdvanceVirtualClock(micros);
  const uint64_t scenes = SceneCalls, wipes = CoverWipeSteps;
  for (int i = 0; i < 10000 && running_; ++i) {
    Pass();
    if (SceneCalls != scenes || CoverWipeSteps != wipes) break;
  }
  return running_;
}

bool Run::Frames(int n) {
  for (int i = 0; i < n; ++i)
    if (!Frame()) return false;
  return running_;
}

void Run::AdvanceMs(double ms) { plat::AdvanceVirtualClock(static_cast<uint64_t>(std::llround(ms * 1000.0))); }

void Run::KeyDown(int vk) { plat::InjectKeyDown(vk); }
void Run::KeyUp(int vk) { plat::InjectKeyUp(vk); }
void Run::Press(int vk) {
  KeyDown(vk);
  Frame();
  KeyUp(vk);
}
void Run::MouseMove(int x, int y) { plat::InjectMouseMove(x, y); }
void Run::MouseButton(int button, bool down) { plat::InjectMouseButton(button, down); }

uint32_t Run::BackPixel(int x, int y) const {
  const plat::Surface* s = velDraw::BackBuffer();
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return 0;
  return s->At(x, y);
}

uint32_t Run::ScreenPixel(int x, int y) const {
  const plat::Surface* s = plat::ScreenSurface();
  if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return 0;
  return s->At(x, y);
}

}  // namespace harness
