// The millisecond clock, the high-resolution counter, the calendar and the
// virtual clock the tests drive them with.
#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace plat {
namespace {
bool virtualOn = false;
bool counterOn = true;
uint64_t virtualMicros = 0;
// The calendar second at virtual reading 0.
int64_t virtualCalendarBase = 0;

int64_t SteadyNanos() {
  using namespace std::chrono;
  static const auto start = steady_clock::now();
  return duration_cast<nanoseconds>(steady_clock::now() - start).count();
}
}  // namespace

uint32_t Milliseconds() {
  if (virtualOn) return static_cast<uint32_t>(virtualMicros / 1000);
  return static_cast<uint32_t>(SteadyNanos() / 1000000);
}

bool CounterAvailable() { return counterOn; }
int64_t CounterFrequency() { return virtualOn ? 1000000 : 1000000000; }
int64_t CounterNow() { return virtualOn ? static_cast<int64_t>(virtualMicros) : SteadyNanos(); }

void SleepMs(uint32_t ms) {
  if (virtualOn) return;
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void UseVirtualClock(bool on) { virtualOn = on; }
void AdvanceVirtualClock(uint64_t microseconds) { virtualMicros += microseconds; }
void SetVirtualClock(uint64_t microseconds) { virtualMicros = microseconds; }
uint64_t VirtualClockMicros() { return virtualMicros; }
void SetCounterAvailable(bool available) { counterOn = available; }

int64_t CalendarSeconds() {
  if (virtualOn) return virtualCalendarBase + static_cast<int64_t>(virtualMicros / 1000000);
  return static_cast<int64_t>(std::time(nullptr));
}

void SetVirtualCalendar(int64_t seconds) {
  virtualCalendarBase = seconds - static_cast<int64_t>(virtualMicros / 1000000);
}

}  // namespace plat
