// The one thing the enemies ask of the game above them: when a boss's death
// sequence is over, the stage ends (its state and the world are reset) and
// the wiped change into the next scene begins. The game defines it.
#pragma once

void FinishStage(int next, int steps);
