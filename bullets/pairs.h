// The pair pools' rows: two records per group, launched from muzzles either
// side of a centre, falling without sideways drift unless the row adds it.
#pragma once
#include "bullets/families.h"
#include "world/pictures.h"

// The first two bosses' pair schedules name ticks 150 and 160 for pairs 8 and
// 9, which a counter wrapping at 150 never reaches: those records stay idle.
inline constexpr Schedule PairsOfThree{10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
inline constexpr Schedule PairsOfFive{10, 20, 30, 40, 50, 80, 90, 100, 110, 120};

constexpr Sprite Sheet405{&PicVAL405, 40, 40, 0};
constexpr Sprite Still20Sheet{&PicVALL20, 20, 20, 0};

constexpr VolleyRow PairRow(int id, VelBulletRecord32 (&pool)[20], int wrap, const Schedule& ticks, int boss,
                            float centreX, float halfSpacing, float y1, float y2, float fall, HitBox box,
                            Sprite sprite, int column = 120) {
  return {.id = id,
          .pool = pool,
          .count = 20,
          .lanes = 2,
          .wrap = wrap,
          .schedule = ticks,
          .boss = boss,
          .launch = Launch::Pair,
          .muzzleX = {centreX},
          .muzzleY = {y1, y2},
          .halfSpacing = halfSpacing,
          .fall = fall,
          .box = box,
          .sprite = sprite,
          .column = {column, column}};
}
