// Boss and spark routines the stage frame already calls; the enemy side
// gives them their behaviour. Until then a boss neither moves nor draws.
#include "foes/foes.h"

void MoveStage1Boss() {}
void MoveStage2Boss() {}
void MoveStage3Boss() {}
void DrawStage1Boss() {}
void DrawStage2Boss() {}
void DrawStage3Boss() {}
void UpdateStage1BossDeath() {}
void UpdateStage2BossDeath() {}
void UpdateStage3BossDeath() {}
void SpawnStage1BossSparks() {}
void SpawnStage2BossSparks() {}
void SpawnStage3BossSparks() {}
void MoveStage1SparksA() {}
void MoveStage2SparksA() {}
void MoveStage3SparksA() {}
void DrawStage1SparksA() {}
void DrawStage2SparksA() {}
void DrawStage3SparksA() {}
