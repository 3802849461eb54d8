// Which zone of the start button a point of its picture lies in.
#pragma once

// 0 for none, else 1 to 3. Edges are outside; where zones overlap, the later
// one wins.
int HitZone(int x, int y);
