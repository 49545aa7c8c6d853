// Program frame, frame timer, wait slots, input state and the error box.
#pragma once
#include <cstdint>
#include <string>
#include "platform/keys.h"

// Scene ids.
enum Scene : int {
  SceneNone = 0,
  SceneTitle = 1,
  SceneStage1 = 2,
  SceneStage2 = 3,
  SceneEnding = 4,
  SceneStage3 = 6,
  SceneShipSelect = 12,
};

// Program-frame state.
extern bool MainWindow;  // the game window exists
extern int ActiveFlag;
extern int FullScreen;
extern int WindowOptions;
extern int CloseState;
extern int ShutdownDone;
extern int CursorShown;
extern int ClientOriginX, ClientOriginY;
extern int CurrentScene;
extern int PreviousScene;
extern int SceneEntered;
extern int NextScene;
extern int SysKeyMode;

// Input state kept by the window procedure.
extern int LastKey;
extern int MouseX, MouseY;
extern int MouseLeftHeld, MouseRightHeld;

// Seconds between the last two due frames; never clamped.
extern float FrameSeconds;

struct FrameTimerState {
  int64_t fps = 0;
  int counterSource = 0;
  int millisecondSource = 0;
  int64_t frequency = 0;
  int64_t period = 0;
  int64_t last = 0;
  int64_t now = 0;
  int pacing = 0;
  uint32_t msReference = 0;
};
extern FrameTimerState FrameTimer;

// Key edge states, as PollKey steps them: idle (up at this poll and the
// last), pressed (went down since the last poll), held, released (went up).
enum KeyStateValue : int { KeyIdle = 0, KeyPressed = 1, KeyReleased = 2, KeyHeld = 3 };

namespace velSystem {

constexpr uint32_t WaitUnset = 999999999u;
extern uint32_t Waits[12];

void StaticInit();
void ResetGlobals();
int CheckSingleInstance(const std::string& title);
void SetActive(int flag);
int Shutdown();
void SetSysKeyMode(int mode);
void ClipCursorToWindow();
void UnclipCursor();

int InitFrameTimer(int fps);
int IsFrameDue();
// Sleeps a millisecond when the next frame is still far off (never on the virtual clock).
void YieldUntilFrame();
int SetWait(int slot, uint32_t ms);
int IsWaitOver(int slot);
int InitWaits();

void PollKey(int vk, int* state);
int ReportError(const char* operation, const char* message, int code = 0);
void Beep();
void EnableIme(int on);

// The executable's folder with a trailing '/'.
const std::string& GetExeDir();

}  // namespace velSystem

// The program: start-up, then loop passes until the quit message.
int WinMain();
// Start-up of WinMain up to the loop; false when the program must end at once.
bool StartProgram();
// One pass of the main loop; false once the quit message has been taken.
bool RunLoopPass();
intptr_t WindowProc(uint32_t msg, uintptr_t wparam, intptr_t lparam);
// Counts scene-function calls (the harness steps the game by them).
extern uint64_t SceneCalls;
// Counts loop passes that played a step of a covering wipe.
extern uint64_t CoverWipeSteps;
