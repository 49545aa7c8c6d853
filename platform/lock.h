// The named single-instance lock. The holder answers a second copy's
// request to bring its window forward.
#pragma once
#include <string>

namespace plat {

// Takes the lock named `name`. Returns true when this process now holds it,
// false when another process does (that process is then asked to raise its window).
bool AcquireInstanceLock(const std::string& name);
bool HoldsInstanceLock();
void ReleaseInstanceLock();
// Checks for raise requests from other copies; called by the message pump.
// Returns true when one arrived since the last call.
bool PollRaiseRequest();
// Tests keep their locks apart from a running game and from each other.
void SetInstanceLockScope(const std::string& scope);

}  // namespace plat
