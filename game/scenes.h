// The scene machine: scene changes with their wipes, the title and ship select.
#pragma once

extern int Difficulty;
extern int DemoCounter;

// The wiped change into `next`: snapshot of the frame just shown, then a
// revealing wipe of `steps` steps played over the new scene.
void ChangeScene(int next, int steps);
