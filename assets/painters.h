// The picture routines, one per family; the variant picks the member.
#pragma once
#include "assets/raster.h"

namespace art {

// Player side.
void PaintShip(Image& im, int variant);
void PaintIcon(Image& im, int variant);
void PaintShipFlame(Image& im, int variant);
void PaintOption(Image& im, int variant);
void PaintPowerUp(Image& im, int variant);
void PaintBomb(Image& im, int variant);
void PaintShot(Image& im, int variant);
void PaintMuzzle(Image& im, int variant);
void PaintBeamPanel(Image& im, int variant);
void PaintBeam(Image& im, int frame);

// Enemies.
void PaintEnemy(Image& im, int kind);
void PaintCarrierBody(Image& im, int kind);
void PaintCarrierJoint(Image& im, int variant);  // kind * 2 + side
void PaintCarrierBlade(Image& im, int variant);  // kind * 2 + side
void PaintBoss1(Image& im, int variant);
void PaintBoss2(Image& im, int damage);
void PaintBoss3(Image& im, int damage);
void PaintBossSlide(Image& im, int variant);

// Enemy bullets.
void PaintBulletStrip(Image& im, int variant);
void PaintOrb(Image& im, int variant);
void PaintLanes(Image& im, int lanes);
void PaintMissile(Image& im, int variant);

// Effects.
void PaintBlast(Image& im, int variant);
void PaintCoin(Image& im, int variant);
void PaintSpark(Image& im, int variant);
void PaintEngineFlame(Image& im, int variant);
void PaintToken(Image& im, int variant);

// Backgrounds.
void PaintBack(Image& im, int layer);
void PaintOverlay(Image& im, int variant);

// Lettering.
void PaintTitle(Image& im, int variant);
void PaintClosing(Image& im, int variant);
void PaintShipSelect(Image& im, int variant);
void PaintVictory(Image& im, int variant);
void PaintRanking(Image& im, int variant);
void PaintContinue(Image& im, int variant);
void PaintBigDigits(Image& im, int variant);
void PaintSmallDigits(Image& im, int variant);

}  // namespace art
