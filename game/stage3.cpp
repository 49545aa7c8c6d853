// Stage 3's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "game/stage.h"

const StageSchedule Stage3Schedule = {};
