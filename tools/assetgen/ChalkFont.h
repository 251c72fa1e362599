// Our chalk lettering: every printable character from ' ' to '_' as strokes
// (straight lines and elliptic arcs) in font units, x 0..4 across, y 0..6
// from the baseline to the top of the capitals.
#pragma once

#include <vector>

#include "DetMath.h"

namespace assetgen {

using Stroke = std::vector<Vec2>;  // a polyline

std::vector<Stroke> glyphStrokes(char c);

}  // namespace assetgen
