// Where an idle record waits, out of sight.
#pragma once

// Enemies, the bullets kept in fractions of a pixel, effects, coins, the
// bosses and their arrival slides, the player's power-up, options and
// explosion, and a fragment of debris not yet thrown wait well below and left
// of the playfield.
constexpr float ParkedX = -500.0f;
constexpr float ParkedY = 2550.0f;

// A fragment of debris leaves above its owner, never below: once it burns out
// it parks high above the playfield.
constexpr float DebrisParkedY = -2550;

// An idle spark waits far below the playfield, right of its middle.
constexpr float SparkParkedX = 1000, SparkParkedY = 5000;

// The background overlay, once below the playfield, waits left of it at ParkedY.
constexpr float OverlayParkedX = -100;

// The records kept in whole pixels (the ship's shots, bombs and beam, and the
// curving beams) wait left of the playfield, halfway down; the reset parks the
// option shots lower, at ParkedY.
constexpr int PixelParkedX = -500;
constexpr int PixelParkedY = 500;

// Three degrees below the +x axis: the heading an idle bullet or fragment of
// the ship's explosion waits with.
constexpr float IdleAngle = -0.05235988f;

// A shot that has struck a target or left the screen waits here, below and
// right of everything, until it is fired again (an option shot that leaves
// the top is left where it is).
constexpr int SpentShotX = 5000, SpentShotY = 5000;
