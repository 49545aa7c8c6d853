// A hit box: offsets from a position, in whole pixels, inclusive at both ends.
// The enemies' bullets test the ship with one (offsets from its top-left
// corner), the player's shots and the ship test their targets and pickups
// with one (offsets from the target's truncated position).
#pragma once

struct HitBox {
  int left, right, top, bottom;

  constexpr bool Holds(int dx, int dy) const { return left <= dx && dx <= right && top <= dy && dy <= bottom; }
};
