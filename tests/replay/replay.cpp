// Replay files read and written, and a replay played on the real program.
#include "tests/replay/replay.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "engine/layout.h"
#include "engine/velSystem.h"
#include "platform/clock.h"

namespace replay {

namespace {
constexpr const char* Magic = "velkor replay";
}

const char* BuildLayout() {
  return NarrowLayout ? "narrow" : "wide";
}

bool Load(const std::string& path, Replay& out, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  out = Replay{};
  std::string line;
  int number = 0;
  bool magic = false, ended = false;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string first, word;
    words >> first;
    auto fail = [&](const std::string& why) {
      error = path + ":" + std::to_string(number) + ": " + why + ": " + line;
      return false;
    };
    if (!magic) {
      if (line != Magic) return fail("not a replay");
      magic = true;
    } else if (first == "layout") {
      words >> out.layout;
    } else if (first == "calendar") {
      words >> out.calendar;
    } else if (first == "end") {
      words >> out.frames;
      ended = true;
    } else {
      Event e{Event::KeyDown, 0};
      try {
        e.frame = std::stoull(first);
      } catch (...) {
        return fail("unknown line");
      }
      if (!out.events.empty() && e.frame < out.events.back().frame) return fail("frames out of order");
      words >> word;
      if (word == "down" || word == "up") {
        e.kind = word == "down" ? Event::KeyDown : Event::KeyUp;
        words >> e.a;
      } else if (word == "move") {
        e.kind = Event::Move;
        words >> e.a >> e.b;
      } else if (word == "button") {
        std::string state;
        e.kind = Event::Button;
        words >> e.a >> state;
        e.b = state == "down";
      } else if (word == "long") {
        e.kind = Event::Long;
        words >> e.a;
      } else {
        return fail("unknown event");
      }
      if (words.fail()) return fail("missing value");
      out.events.push_back(e);
    }
  }
  if (!magic || !ended) {
    error = path + ": no " + std::string(magic ? "end line" : "replay");
    return false;
  }
  return true;
}

std::string Format(const Replay& r) {
  std::ostringstream out;
  out << Magic << "\nlayout " << r.layout << "\ncalendar " << r.calendar << '\n';
  for (const Event& e : r.events) {
    out << e.frame << ' ';
    switch (e.kind) {
      case Event::KeyDown: out << "down " << e.a; break;
      case Event::KeyUp: out << "up " << e.a; break;
      case Event::Move: out << "move " << e.a << ' ' << e.b; break;
      case Event::Button: out << "button " << e.a << (e.b ? " down" : " up"); break;
      case Event::Long: out << "long " << e.a; break;
    }
    out << '\n';
  }
  out << "end " << r.frames << '\n';
  return out.str();
}

Playthrough::Playthrough(int64_t calendar) {
  run_ = std::make_unique<harness::Run>(false);
  plat::SetVirtualCalendar(calendar);
  recorded_.layout = BuildLayout();
  recorded_.calendar = calendar;
  run_->Start();
}

Playthrough::~Playthrough() = default;

void Playthrough::Apply(const Event& in) {
  Event e = in;
  e.frame = frame_ + 1;
  recorded_.events.push_back(e);
  switch (e.kind) {
    case Event::KeyDown: run_->KeyDown(e.a); break;
    case Event::KeyUp: run_->KeyUp(e.a); break;
    case Event::Move: run_->MouseMove(e.a, e.b); break;
    case Event::Button: run_->MouseButton(e.a, e.b != 0); break;
    case Event::Long: longMicros_ = static_cast<uint64_t>(e.a) * 1000; break;
  }
}

bool Playthrough::Step() {
  const uint64_t micros = longMicros_ ? longMicros_ : harness::Run::FrameMicros;
  longMicros_ = 0;
  const auto start = std::chrono::steady_clock::now();
  const bool running = run_->Frame(micros);
  lastStep_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ++frame_;
  recorded_.frames = frame_;
  return running;
}

bool Play(const Replay& r, const std::function<bool(Playthrough&)>& each) {
  Playthrough playthrough(r.calendar);
  size_t next = 0;
  while (playthrough.Frame() < r.frames) {
    while (next < r.events.size() && r.events[next].frame <= playthrough.Frame() + 1) playthrough.Apply(r.events[next++]);
    if (!playthrough.Step()) return false;
    if (!each(playthrough)) break;
  }
  return true;
}

}  // namespace replay
