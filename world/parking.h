// Where an idle record waits, well below and left of the playfield: enemies,
// their bullets and effects, and the player's power-up, options and debris.
#pragma once

constexpr float ParkedX = -500.0f;
constexpr float ParkedY = 2550.0f;
