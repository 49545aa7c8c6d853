// The load table of the game's start-up.
#pragma once

// Loads every picture and both sounds in their fixed order into their slots.
void LoadPicturesAndSounds();
