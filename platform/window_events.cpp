// SDL's events turned into the window's messages.
#include <SDL.h>

#include <algorithm>

#include "platform/keys.h"
#include "platform/window_state.h"

namespace plat {

namespace {

int MapKey(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return KeyF1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return KeyReturn;
    case SDLK_ESCAPE: return KeyEscape;
    case SDLK_SPACE: return KeySpace;
    case SDLK_BACKSPACE: return KeyBack;
    case SDLK_TAB: return KeyTab;
    case SDLK_LEFT: return KeyLeft;
    case SDLK_RIGHT: return KeyRight;
    case SDLK_UP: return KeyUp;
    case SDLK_DOWN: return KeyDown;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return KeyShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return KeyControl;
    case SDLK_LALT:
    case SDLK_RALT: return KeyAlt;
    case SDLK_PAUSE: return KeyPause;
    case SDLK_PAGEUP: return KeyPageUp;
    case SDLK_PAGEDOWN: return KeyPageDown;
    case SDLK_HOME: return KeyHome;
    case SDLK_END: return KeyEnd;
    case SDLK_INSERT: return KeyInsert;
    case SDLK_DELETE: return KeyDelete;
    default: return 0;
  }
}

}  // namespace

void ClampToClient(int& x, int& y) {
  x = std::clamp(x, 0, W().desc.clientWidth - 1);
  y = std::clamp(y, 0, W().desc.clientHeight - 1);
}

void ReleaseHeldButtons() {
  static const uint32_t ups[2] = {MsgLButtonUp, MsgRButtonUp};
  for (int b = 0; b < 2; ++b)
    if (W().mouseHeld[b]) {
      W().mouseHeld[b] = false;
      PostMessage(ups[b]);
    }
}

void QueueMouseButton(int button, bool down, bool doubleClick) {
  if (button < 0 || button > 1) return;
  static const uint32_t downs[2] = {MsgLButtonDown, MsgRButtonDown};
  static const uint32_t dbls[2] = {MsgLButtonDblClk, MsgRButtonDblClk};
  static const uint32_t ups[2] = {MsgLButtonUp, MsgRButtonUp};
  W().mouseHeld[button] = down;
  PostMessage(down ? (doubleClick ? dbls[button] : downs[button]) : ups[button]);
}

void QueueKey(int key, bool down, bool alt) {
  if (key <= 0 || key >= KeyCount) return;
  if (down)
    PostMessage((alt || key == KeyF10 || key == KeyAlt) ? MsgSysKeyDown : MsgKeyDown, key);
  else
    PostMessage(MsgKeyUp, key);
}

void TranslateSdlEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT: PostMessage(MsgClose); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      QueueKey(MapKey(e.key.keysym.sym), e.type == SDL_KEYDOWN, (e.key.keysym.mod & KMOD_ALT) != 0);
      break;
    case SDL_MOUSEMOTION: {
      PostMessage(MsgSetCursor);
      int x = e.motion.x, y = e.motion.y;
      ClampToClient(x, y);
      PostMessage(MsgMouseMove, 0, PackPoint(x, y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int b = e.button.button == SDL_BUTTON_LEFT ? 0 : e.button.button == SDL_BUTTON_RIGHT ? 1 : -1;
      QueueMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN, e.button.clicks == 2);
      break;
    }
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: PostMessage(MsgActivateApp, 1); break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          ReleaseHeldButtons();
          PostMessage(MsgActivateApp, 0);
          break;
        case SDL_WINDOWEVENT_MOVED: PostMessage(MsgMove, 0, PackPoint(e.window.data1, e.window.data2)); break;
        case SDL_WINDOWEVENT_CLOSE: PostMessage(MsgClose); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED: ShowScreen(); break;
        case SDL_WINDOWEVENT_EXPOSED:
          ShowScreen();
          PostMessage(MsgSetCursor);
          break;
        case SDL_WINDOWEVENT_ENTER: PostMessage(MsgSetCursor); break;
        default: break;
      }
      break;
    default: break;
  }
}

}  // namespace plat
