// The ending: victory, ranking, staff list and closing pictures.
#pragma once

constexpr int RankingRows = 7;
// The ranking as last drawn, best first.
extern int RankingTable[RankingRows];
void DrawRanking();
