// Where an idle record waits, out of sight.
#pragma once

// Enemies, the bullets kept in fractions of a pixel, effects, coins, the
// bosses and their arrival slides, the player's power-up, options and
// explosion, and a fragment of debris not yet thrown wait well below and left
// of the playfield. (Debris that has burnt out parks above instead:
// DebrisParkedY in foes/foes.h.)
constexpr float ParkedX = -500.0f;
constexpr float ParkedY = 2550.0f;

// The records kept in whole pixels (the ship's shots, bombs and beam, and the
// curving beams) wait left of the playfield, halfway down; the reset parks the
// option shots lower, at ParkedY.
constexpr int PixelParkedX = -500;
constexpr int PixelParkedY = 500;
