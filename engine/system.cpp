// Program-frame state, the frame pacer, wait slots, key polling, the error box and shutdown.
#include <string>

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/lock.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/window.h"

bool MainWindow = false;
int ActiveFlag = 0;
int FullScreen = 1;
int WindowOptions = 0;
int CloseState = 0;
int ShutdownDone = 0;
int CursorShown = 1;
int ClientOriginX = 0, ClientOriginY = 0;
int CurrentScene = 0;
int PreviousScene = 0;
int SceneEntered = 0;
int NextScene = 0;
int SysKeyMode = 0;
int LastKey = 0;
int MouseX = 0, MouseY = 0;
int MouseLeftHeld = 0, MouseRightHeld = 0;
float FrameSeconds = 0.0f;
FrameTimerState FrameTimer;
uint64_t SceneCalls = 0;
uint64_t CoverWipeSteps = 0;

namespace velSystem {

uint32_t Waits[12];
namespace {
// Sets up the frame pacer and the wait slots before the program starts.
struct StaticSetup {
  StaticSetup() { StaticInit(); }
} staticSetup;
}  // namespace

void StaticInit() {
  InitFrameTimer(60);
  FrameTimer.pacing = 1;
  velDraw::SetVSync(0);
  for (uint32_t& w : Waits) w = WaitUnset;
}

void ResetGlobals() {
  MainWindow = false;
  ActiveFlag = 0;
  FullScreen = 1;
  WindowOptions = 0;
  CloseState = 0;
  ShutdownDone = 0;
  CursorShown = 1;
  ClientOriginX = ClientOriginY = 0;
  CurrentScene = PreviousScene = SceneEntered = NextScene = 0;
  SysKeyMode = 0;
  LastKey = 0;
  MouseX = MouseY = 0;
  MouseLeftHeld = MouseRightHeld = 0;
  // Waits that were never set must never read as over, even before the screen exists.
  for (uint32_t& w : Waits) w = WaitUnset;
}

int CheckSingleInstance(const std::string& title) {
  return plat::AcquireInstanceLock(title + ":VelMutex") ? 1 : 0;
}

void SetActive(int flag) { ActiveFlag = flag; }

int Shutdown() {
  if (ShutdownDone) return 1;
  ShutdownDone = 1;
  UnclipCursor();
  velDraw::FreeFont();
  velSound::Release();
  velDraw::Release();
  if (plat::HoldsInstanceLock()) plat::ReleaseInstanceLock();
  if (CloseState == 0) plat::PostMessage(plat::MsgClose);
  CloseState = 2;
  return 1;
}

void SetSysKeyMode(int mode) { SysKeyMode = mode; }
void ClipCursorToWindow() { plat::ConfineCursor(true); }
void UnclipCursor() { plat::ConfineCursor(false); }

int InitFrameTimer(int fps) {
  FrameTimer.fps = fps;
  FrameTimer.millisecondSource = 1;
  if (plat::CounterAvailable()) {
    FrameTimer.counterSource = 1;
    FrameTimer.frequency = plat::CounterFrequency();
    FrameTimer.period = fps ? FrameTimer.frequency / fps : 0;
    FrameTimer.last = plat::CounterNow();
  } else {
    FrameTimer.counterSource = 0;
    FrameTimer.frequency = 0;
    FrameTimer.period = fps ? 1000 / fps : 0;
    FrameTimer.last = plat::Milliseconds();
  }
  FrameTimer.msReference = plat::Milliseconds();
  return 1;
}

int IsFrameDue() {
  FrameTimer.now = FrameTimer.counterSource ? plat::CounterNow() : static_cast<int64_t>(plat::Milliseconds());
  const int64_t elapsed = FrameTimer.now - FrameTimer.last;
  if (elapsed < 0) FrameTimer.last = FrameTimer.now;
  if (FrameTimer.pacing && elapsed < FrameTimer.period) return 0;
  FrameTimer.last = FrameTimer.now;
  const uint32_t ms = plat::Milliseconds();
  FrameSeconds = static_cast<float>(ms - FrameTimer.msReference) / 1000.0f;
  FrameTimer.msReference = ms;
  return 1;
}

void YieldUntilFrame() {
  // The pacer polls; while more than two milliseconds remain, lend the
  // processor to others for one of them rather than spin.
  const int64_t left = FrameTimer.period - (FrameTimer.now - FrameTimer.last);
  const int64_t perMs = FrameTimer.counterSource ? FrameTimer.frequency / 1000 : 1;
  if (FrameTimer.pacing && left > 2 * perMs) plat::SleepMs(1);
}

int SetWait(int slot, uint32_t ms) {
  if (static_cast<unsigned>(slot - 1) > 9) return ReportError("velSystem::SetWait", "ウェイトNoが範囲外です");
  Waits[slot] = plat::Milliseconds() + ms;
  return 1;
}

int IsWaitOver(int slot) {
  if (slot < 0 || slot > 11 || Waits[slot] == WaitUnset) return 0;
  return plat::Milliseconds() >= Waits[slot] ? 1 : 0;
}

int InitWaits() {
  for (int i = 1; i <= 11; ++i) Waits[i] = WaitUnset;
  SetSysKeyMode(0);
  if (FullScreen) ClipCursorToWindow();
  return 1;
}

void PollKey(int vk, int* state) {
  if (!state) return;
  if (plat::IsKeyDown(vk))
    *state = *state == KeyIdle ? KeyPressed : KeyHeld;
  else
    *state = (*state == KeyPressed || *state == KeyHeld) ? KeyReleased : KeyIdle;
  if (WipeState.progress != 0) *state = KeyIdle;
}

int ReportError(const char* operation, const char* message, int) {
  std::string text = std::string(operation) + " : " + message;
  Beep();
  plat::ShowMessageBox("エラー発生", text);
  return 0;
}

void Beep() { plat::Beep(); }

void EnableIme(int on) { plat::EnableTextInput(on != 0); }

const std::string& GetExeDir() { return plat::ExeDir(); }

}  // namespace velSystem
