// The game's door, called by the program frame: the set-up, the key handler
// and the six scene functions. The game defines them.
#pragma once

void LoadAssets();
void HandleKeyDown(int vk);
void RunTitle();
void RunShipSelect();
void RunStage1();
void RunStage2();
void RunStage3();
void RunEnding();
