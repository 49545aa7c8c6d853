// Start-up, the main loop and the window procedure.
#include <cstdio>

#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "platform/clock.h"
#include "platform/music.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace {
constexpr char Title[] = "VELKOR";
constexpr char IconPicture[] = "IMAGE/MAIN.BMP";

using SceneFn = void (*)();
SceneFn SceneFunction(int scene) {
  switch (scene) {
    case SceneTitle: return RunTitle;
    case SceneStage1: return RunStage1;
    case SceneStage2: return RunStage2;
    case SceneEnding: return RunEnding;
    case SceneStage3: return RunStage3;
    case SceneShipSelect: return RunShipSelect;
    default: return nullptr;
  }
}

int Low16Signed(intptr_t v) {
  int x = static_cast<int>(v & 0xFFFF);
  return x >= 32768 ? x - 65536 : x;
}
}  // namespace

bool StartProgram() {
  velSystem::ResetGlobals();
  if (!velSystem::CheckSingleInstance(Title)) return false;
  if (NarrowLayout) {
    WindowOptions = 3;
    FullScreen = 0;
  }
  plat::WindowDesc desc;
  desc.title = Title;
  desc.fullScreen = FullScreen != 0;
  desc.clientWidth = ScreenWidth;
  desc.clientHeight = ScreenHeight;
  desc.proc = WindowProc;
  plat::Surface* icon = velDraw::ReadPicture(IconPicture);
  desc.icon = icon;
  const bool created = plat::CreateGameWindow(desc);
  plat::DestroySurface(icon);
  if (!created) return false;
  MainWindow = true;
  if (!FullScreen) plat::SetWindowTopmost((WindowOptions & 1) == 0);
  SeedRandom(static_cast<unsigned>(plat::CalendarSeconds()));
  velSystem::EnableIme(0);
  plat::BlockScreenSaver();
  LoadAssets();
  return true;
}

bool RunLoopPass() {
  plat::Message m;
  if (plat::PeekMessage(m)) {
    if (m.msg == plat::MsgQuit) return false;
    plat::DispatchMessage(m);
    return true;
  }
  if (ActiveFlag == 0 && (WindowOptions & 2) == 0) {
    plat::WaitMessage();
    return true;
  }
  // Once shutdown has begun nothing is left to draw with: wait for the quit.
  if (ShutdownDone) {
    plat::WaitMessage();
    return true;
  }
  if (PreviousScene == 0 && CurrentScene != 0) {
    SceneEntered = 1;
    PreviousScene = CurrentScene;
  }
  bool ran = false;
  if (WipeState.direction == 1) {
    velDraw::Present();
    ++CoverWipeSteps;
    if (WipeState.direction == 0) CurrentScene = NextScene;
  } else if (SceneFn fn = SceneFunction(CurrentScene)) {
    if (velSystem::IsFrameDue()) {
      ++SceneCalls;
      fn();
      ran = true;
    } else {
      velSystem::YieldUntilFrame();
    }
  }
  if (CurrentScene != PreviousScene)
    SceneEntered = 1;
  else if (ran)
    SceneEntered = 0;
  PreviousScene = CurrentScene;

  if (!FullScreen && !ShutdownDone) {
    int x, y;
    plat::GetCursorPos(x, y);
    const bool inside =
        x >= ClientOriginX && x < ClientOriginX + ScreenWidth && y >= ClientOriginY && y < ClientOriginY + ScreenHeight;
    if (inside && CursorShown == 1) {
      plat::ShowCursor(false);
      CursorShown = 0;
    } else if (!inside && CursorShown == 0) {
      plat::ShowCursor(true);
      CursorShown = 1;
    }
  }
  return true;
}

int WinMain() {
  if (!StartProgram()) {
    // A second copy leaves quietly; a game that cannot be shown says why and fails.
    if (plat::WindowFailure().empty()) return 0;
    std::fprintf(stderr, "%s\n", plat::WindowFailure().c_str());
    return 1;
  }
  while (RunLoopPass()) {
  }
  return 0;
}

intptr_t WindowProc(uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  using namespace plat;
  switch (msg) {
    case MsgDestroy:
      PostQuitMessage();
      MainWindow = false;
      return 0;
    case MsgMove:
      ClientOriginX = Low16Signed(lparam);
      ClientOriginY = Low16Signed(lparam >> 16);
      PresentDestRect = {ClientOriginX, ClientOriginY, ClientOriginX + ScreenWidth, ClientOriginY + ScreenHeight};
      break;
    case MsgClose:
      if (CloseState == 0) {
        CloseState = 1;
        velSystem::Shutdown();
      } else if (CloseState == 1) {
        velSystem::Shutdown();
      }
      DestroyGameWindow();
      return 0;
    case MsgActivateApp:
      velSystem::SetActive(wparam ? 1 : 0);
      if (!wparam && CursorShown == 0) {
        ShowCursor(true);
        CursorShown = 1;
      }
      return 0;
    case MsgSetCursor:
      if (FullScreen) {
        ShowCursor(false);
        return 1;
      }
      break;
    case MsgKeyDown:
      HandleKeyDown(static_cast<int>(wparam));
      break;
    case MsgKeyUp:
      if (static_cast<int>(wparam) == LastKey) LastKey = 0;
      break;
    case MsgSysKeyDown:
      if (SysKeyMode == 0) return 0;
      break;
    case MsgSysCommand:
      if ((wparam & 0xFFF0) == SysCmdScreenSave) return 0;
      break;
    case MsgMouseMove:
      MouseX = static_cast<int>(lparam & 0xFFFF);
      MouseY = static_cast<int>((lparam >> 16) & 0xFFFF);
      break;
    case MsgLButtonDown: MouseLeftHeld = 1; break;
    case MsgRButtonDown: MouseRightHeld = 1; break;
    case MsgLButtonUp: MouseLeftHeld = 0; break;
    case MsgRButtonUp: MouseRightHeld = 0; break;
    case MsgLButtonDblClk:
    case MsgRButtonDblClk: return 0;
    case MsgMusicNotify:
      if (wparam == MusicNotifySuccessful && MidiOpen == 1) {
        std::string mode;
        SendMusicCommand("status midi mode", &mode);
        if (mode.rfind("st", 0) == 0) velSound::OnMidiNotify();
      }
      break;
    default: break;
  }
  return DefaultWindowProc(msg, wparam, lparam);
}
