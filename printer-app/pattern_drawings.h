// The drawing of an alignment group's pattern, as the choice dialog shows it above each of the
// group's buttons: a pair of short horizontal lines (groups A and C) or of vertical lines (B and
// D, and E a little longer).
#pragma once
#include <string>

// An inline SVG of the group's pattern ('A' to 'E'); empty for another letter.
std::string PatternDrawing(char group);
