// The ship as enemies see it.
#include "world/ship.h"

float PlayerX, PlayerY;
int PlayerAlive = 1;
MainShotRecord MainShotPool[MainShotCount];
