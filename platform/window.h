// The game window and its message queue, in the shape the program frame
// expects: messages with two packed parameters, peeked and dispatched one at
// a time, plus the key state and cursor services that ride on the window.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

struct Surface;

// Message ids the window procedure handles. Values are our own.
enum Msg : uint32_t {
  MsgNone = 0,
  MsgDestroy,
  MsgMove,           // lparam: client origin, x low 16 bits, y high 16 bits
  MsgClose,
  MsgActivateApp,    // wparam: 1 activated, 0 deactivated
  MsgSetCursor,
  MsgKeyDown,        // wparam: key code (keys.h)
  MsgKeyUp,
  MsgSysKeyDown,     // wparam: key code, pressed with Alt (or F10)
  MsgSysCommand,     // wparam: command (SysCmdScreenSave, ...)
  MsgMouseMove,      // lparam: x low 16 bits, y high 16 bits, client pixels
  MsgLButtonDown,
  MsgLButtonUp,
  MsgLButtonDblClk,
  MsgRButtonDown,
  MsgRButtonUp,
  MsgRButtonDblClk,
  MsgMusicNotify,    // wparam: MusicNotifySuccessful or MusicNotifyAborted
  MsgQuit,
};

constexpr uintptr_t SysCmdScreenSave = 0xF140;
constexpr uintptr_t MusicNotifySuccessful = 1;
constexpr uintptr_t MusicNotifyAborted = 4;

struct Message {
  uint32_t msg = MsgNone;
  uintptr_t wparam = 0;
  intptr_t lparam = 0;
};

using WindowProcFn = intptr_t (*)(uint32_t msg, uintptr_t wparam, intptr_t lparam);

inline intptr_t PackPoint(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

struct WindowDesc {
  std::string title;
  bool fullScreen = true;  // desktop full screen, picture scaled with black bars
  int clientWidth = 800;   // size of the picture (and of the window when windowed)
  int clientHeight = 600;
  WindowProcFn proc = nullptr;
  const Surface* icon = nullptr;  // shown as the window's icon; copied, may be null
};

// Creates the single game window; false when it cannot be made. Without
// headless mode, a video driver that shows nothing counts as no window unless
// SDL_VIDEODRIVER names it.
bool CreateGameWindow(const WindowDesc& desc);
bool HasWindow();
// The largest icon handed to the window: a display server refuses an icon of
// some 2048 pixels square, so a larger picture is scaled down to this.
inline constexpr int MaxIconSide = 256;
// The icon the window was given, scaled down to at most MaxIconSide a side
// (kept even without a real window), or null.
const Surface* WindowIcon();
// Why the last CreateGameWindow failed, one line for the player; empty after a success.
const std::string& WindowFailure();
// Tears the window down (the default answer to MsgClose): destroys it and its
// screen, then calls the window procedure with MsgDestroy at once, without
// going through the queue. Does nothing when there is no window.
void DestroyGameWindow();
// Minimises a full-screen window and gives the desktop back.
void LeaveFullScreen();
void RaiseGameWindow();
void SetWindowTopmost(bool topmost);

// Message queue. PeekMessage pumps the platform's events first. Posting never
// allocates; message_queue.h says what a full queue gives up.
bool PeekMessage(Message& out);
void PostMessage(uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
void PostQuitMessage();
// Blocks until a message (or platform event) is waiting.
void WaitMessage();
// True when the window has been asked to close (its close button, SIGINT or
// SIGTERM) and the request still waits to be read as a message: for work
// that runs long before the queue is read again.
bool CloseRequested();
// Calls the window procedure for the message (or returns 0 without a window).
intptr_t DispatchMessage(const Message& m);
// What a procedure returns for messages it does not handle itself.
intptr_t DefaultWindowProc(uint32_t msg, uintptr_t wparam, intptr_t lparam);

// Key state as of the messages taken from the queue so far: true while down.
bool IsKeyDown(int key);

// Cursor: position in screen pixels, visibility and confinement.
void GetCursorPos(int& x, int& y);
void ShowCursor(bool show);
void ConfineCursor(bool on);
// Desktop size in pixels.
void GetDesktopSize(int& w, int& h);
void EnableTextInput(bool on);
// Stops the desktop's screen saver while the game runs.
void BlockScreenSaver();

}  // namespace plat
