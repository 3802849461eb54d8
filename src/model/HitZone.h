// Which zone of the start button a point of its picture lies in.
#pragma once
#include "SkinFile.h"

enum ZoneHit : int { NoZone = 0, StartMenuHit = 1, MainMenuHit = 2, PanelHit = 3 };

// Edges are outside; where zones overlap, the later one wins.
ZoneHit HitZone(const SkinMetrics& skin, int x, int y);
// Whether some point of the start picture (StartWidth x StartHeight) lies in
// `zone` as HitZone decides: inside it and not under a later zone.
bool ZoneReachable(const SkinMetrics& skin, ZoneHit zone);
