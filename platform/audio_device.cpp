// The sound device's opening. An attempt runs on a detached thread of its
// own: a sound server may take any time to ready a stream, or never do so,
// and the game must go on meanwhile. The thread touches nothing of the game's
// but one atomic word and a plain buffer, so that it may outlive the game's
// own data at exit.
#include "platform/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <pulse/pulseaudio.h>

#include <atomic>
#include <chrono>

#include "platform/driver_list.h"

namespace plat {
namespace {

std::atomic<DeviceAttempt> outcome{DeviceAttempt::Idle};

using Clock = std::chrono::steady_clock;

// ALSA writes every failure to standard error as it happens, some eight
// lines of its own for a machine with no sound card; the game says what is
// missing in one line of its own instead.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

enum class Server { Absent, Output, NoOutput, Silent };

// What the PulseAudio server (or PipeWire's stand-in for one) says, within
// half a second (well inside the second the game waits for its device).
// SDL's PulseAudio driver, as it starts, copies the server's default sink and
// source names with strdup, unchecked, and so crashes on a server that has
// none: one with no sound card and no fallback sink, or whose only sink has
// just gone. Such a server is not handed to SDL.
Server AskPulseServer() {
  pa_mainloop* loop = pa_mainloop_new();
  if (!loop) return Server::Absent;
  pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "VELKOR");
  struct Reply {
    bool got = false;
    bool output = false;
  } reply;
  auto told = [](pa_context*, const pa_server_info* info, void* r) {
    auto* reply = static_cast<Reply*>(r);
    reply->got = true;
    reply->output = info && info->default_sink_name && info->default_source_name;
  };
  pa_operation* asking = nullptr;
  Server answer = Server::Absent;
  // Connected as SDL connects, so that a server SDL would start is started here.
  if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
    answer = Server::Silent;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(500);
    for (;;) {
      const pa_context_state_t state = pa_context_get_state(context);
      if (!PA_CONTEXT_IS_GOOD(state)) {
        answer = Server::Absent;
        break;
      }
      if (state == PA_CONTEXT_READY && !asking && !(asking = pa_context_get_server_info(context, told, &reply))) {
        answer = Server::Absent;
        break;
      }
      if (reply.got) {
        answer = reply.output ? Server::Output : Server::NoOutput;
        break;
      }
      const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      if (pa_mainloop_prepare(loop, static_cast<int>(left)) < 0 || pa_mainloop_poll(loop) < 0 ||
          pa_mainloop_dispatch(loop) < 0) {
        answer = Server::Absent;
        break;
      }
    }
  }
  if (asking) {
    pa_operation_cancel(asking);
    pa_operation_unref(asking);
  }
  if (context) {
    pa_context_disconnect(context);
    pa_context_unref(context);
  }
  pa_mainloop_free(loop);
  return answer;
}

// SDL_AUDIODRIVER as the attempt found it, written only while none runs.
char drivers[128];

DeviceAttempt Attempt() {
  // SDL tries its PulseAudio driver where no driver is named, or where it is among those named.
  if (!drivers[0] || DriverListNames(drivers, "pulseaudio")) {
    const Server server = AskPulseServer();
    if (server == Server::NoOutput) return DeviceAttempt::NoOutput;
    if (server == Server::Silent) return DeviceAttempt::Unanswered;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return DeviceAttempt::NoDevice;
  if (Mix_OpenAudioDevice(DeviceFrequency, DeviceFormat, DeviceChannels, 1024, nullptr, 0) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return DeviceAttempt::NoDevice;
  }
  return DeviceAttempt::Opened;
}

}  // namespace

void StartDeviceAttempt() {
  static const bool quiet = snd_lib_error_set_handler(QuietAlsa) == 0;
  (void)quiet;
  DeviceAttempt idle = DeviceAttempt::Idle;
  if (!outcome.compare_exchange_strong(idle, DeviceAttempt::Running)) {
    if (idle == DeviceAttempt::Running) return;
    outcome.store(DeviceAttempt::Running);  // an outcome nobody took is replaced
  }
  const char* named = SDL_GetHint(SDL_HINT_AUDIODRIVER);
  SDL_strlcpy(drivers, named ? named : "", sizeof drivers);
  // A thread of SDL's, which frees what SDL keeps for each thread (its error
  // text) when it ends.
  SDL_Thread* thread = SDL_CreateThread(
      [](void*) {
        outcome.store(Attempt());
        return 0;
      },
      "sound device", nullptr);
  if (thread)
    SDL_DetachThread(thread);
  else
    outcome.store(DeviceAttempt::NoDevice);
}

DeviceAttempt TakeDeviceAttempt(int waitMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
  while (outcome.load() == DeviceAttempt::Running && Clock::now() < deadline) SDL_Delay(2);
  DeviceAttempt seen = outcome.load();
  if (seen == DeviceAttempt::Running || seen == DeviceAttempt::Idle) return seen;
  outcome.compare_exchange_strong(seen, DeviceAttempt::Idle);
  return seen;
}

}  // namespace plat
