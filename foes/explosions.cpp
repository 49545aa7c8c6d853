// The explosion shared by EnemyA, gunships, carrier bodies and arm segments:
// a layout of burning pieces chosen by the record's variant, nine frames a
// pass, played a number of passes that depends on the kind.
#include <span>

#include "foes/enemy_parts.h"
#include "world/pictures.h"

const ExplosionRule EnemyAExplosion = {3, true, true};
const ExplosionRule GunshipExplosion = {5, false, false};
const ExplosionRule CarrierExplosion = {4, false, true};

namespace {

constexpr int ExplosionFrames = 9;

// A piece at (x + perFrame.dx * f + at.dx, y + perFrame.dy * f + at.dy).
struct Piece {
  const int* picture;
  int size;  // square frames of a strip
  Offset perFrame;
  Offset at;
};

constexpr Offset Centre = {20, 20};

const Piece Scatter[] = {
    {&PicZBAK3B, 80, {0, 0}, {0, 0}},  {&PicZBAK3B, 80, {-6, -6}, Centre}, {&PicZBAK3B, 80, {6, 2}, Centre},
    {&PicZBAK3B, 80, {-6, 6}, Centre}, {&PicZBAK3B, 80, {1, -6}, Centre},
};
const Piece Shower[] = {
    {&PicZBAK2B, 80, {0, 0}, {0, 0}},  {&PicZBAK6B, 40, {-4, -6}, Centre}, {&PicZBAK6B, 40, {1, 7}, Centre},
    {&PicZBAK6B, 40, {7, -1}, Centre}, {&PicZBAK6B, 40, {-6, 3}, Centre},  {&PicZBAK6B, 40, {-7, -6}, Centre},
    {&PicZBAK6B, 40, {5, -8}, Centre},
};
const Piece Burst[] = {
    {&PicZBAK2B, 80, {6, -1}, Centre}, {&PicZBAK2B, 80, {6, 6}, Centre}, {&PicZBAK2B, 80, {-6, 4}, Centre},
    {&PicZBAK2B, 80, {2, -6}, Centre}, {&PicZBAK2B, 80, {0, 0}, {0, 0}}, {&PicZBAK2B, 80, {-6, -6}, Centre},
};
// By variant: 0 and 1 share a layout.
const std::span<const Piece> Layouts[4] = {Scatter, Scatter, Shower, Burst};

void DrawExplosionPieces(const EnemyBase& e) {
  if (e.variant < 0 || e.variant >= 4) return;
  const int x = static_cast<int>(e.x), y = static_cast<int>(e.y), f = e.explosionFrame;
  for (const Piece& p : Layouts[e.variant])
    DrawPicture(x + p.perFrame.dx * f + p.at.dx, y + p.perFrame.dy * f + p.at.dy, *p.picture, p.size * f, 0,
                p.size * f + p.size, p.size);
}

}  // namespace

template <class Record>
void Explode(Record& e, const ExplosionRule& rule, int coinSlot) {
  DrawExplosionPieces(e);
  if (rule.dropsCoin) DropEnemyACoin(coinSlot);
  e.vx = 0;
  e.vy = 0;
  if (e.explosionFrame == 0) PlaySound(SoundBom);
  if (++e.explosionFrame >= ExplosionFrames) {
    e.explosionFrame = 0;
    e.explosionLoop += 1;
  }
  if (e.explosionLoop >= rule.passes) {
    e.destroyed = 0;
    e.hitGuard = 0;
    e.explosionFrame = 0;
    e.explosionLoop = 0;
    e.x = ParkedX;
    e.y = ParkedY;
    if (rule.freesSlot) e.active = 0;
  }
}

template <class Record>
void ShowEnemy(Record& e, std::span<const BodyPicture> kinds, int kind, const ExplosionRule& rule,
               int coinSlot) {
  if (e.destroyed <= 0)
    DrawBody(FindBody(kinds, kind), e);
  else
    Explode(e, rule, coinSlot);
}

template void Explode<EnemyARecord>(EnemyARecord&, const ExplosionRule&, int);
template void ShowEnemy<EnemyARecord>(EnemyARecord&, std::span<const BodyPicture>, int, const ExplosionRule&,
                                      int);
template void ShowEnemy<EnemyBRecord>(EnemyBRecord&, std::span<const BodyPicture>, int, const ExplosionRule&,
                                      int);
