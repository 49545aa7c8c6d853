// The three resets that put the world back into a known state.
#pragma once

// New game: score, energy, ship position, power-up, background layers.
void ResetGame();
// Every scene change: clocks, flags, the player's side and the enemies.
void ResetStageState();
// Every scene change, after the stage reset: bullet pools and bosses.
void ResetWorld();
