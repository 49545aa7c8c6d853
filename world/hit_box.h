// A hit box: offsets from a position, in whole pixels, inclusive at both ends.
// The enemies' bullets test the ship with one (offsets from its top-left
// corner); the player's shots, bombs and beam and the ship test their targets
// and pickups with one (offsets from the target's truncated position).
#pragma once

struct HitBox {
  int left, right, top, bottom;

  constexpr bool Holds(int dx, int dy) const { return left <= dx && dx <= right && top <= dy && dy <= bottom; }
};

// Whether the point (sx, sy) lies in the box of a target at (tx, ty).
constexpr bool InsideBox(int sx, int sy, int tx, int ty, const HitBox& box) {
  return box.Holds(sx - tx, sy - ty);
}
