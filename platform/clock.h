// Clocks: a millisecond clock that wraps at 2^32 and a high-resolution
// counter. Both can run on a virtual clock that only moves when told to.
#pragma once
#include <cstdint>

namespace plat {

uint32_t Milliseconds();
// False when the counter is switched off (tests of the millisecond fallback).
bool CounterAvailable();
int64_t CounterFrequency();
int64_t CounterNow();
void SleepMs(uint32_t ms);

// Virtual clock. While on, Milliseconds and CounterNow move only through
// AdvanceVirtualClock / SetVirtualClock (counter at 1 MHz), SleepMs returns at once.
void UseVirtualClock(bool on);
void AdvanceVirtualClock(uint64_t microseconds);
// Sets the virtual clock to an absolute reading in microseconds (may step back).
void SetVirtualClock(uint64_t microseconds);
uint64_t VirtualClockMicros();
void SetCounterAvailable(bool available);

// The calendar clock in seconds, as time() reads it: the real calendar, or on
// the virtual clock a reading set once and advanced with the virtual clock.
int64_t CalendarSeconds();
// Fixes the calendar at `seconds` for the virtual clock's present reading.
void SetVirtualCalendar(int64_t seconds);

}  // namespace plat
