// Where things sit in each texture, shared by the models (which point their
// texture coordinates there) and the painters (which draw them there).
#pragma once

namespace assetgen::layout {

// Corridor walls: one texture repeat covers a 12 x 12 bay of wall, v = y / 12,
// so the skirting, wainscot and dado rail run along the foot of every wall.
constexpr double kBay = 12.0;
constexpr int kWallTexSize = 128;
constexpr int kSkirtingTopRow = 6;      // rows 0..5: dark skirting board
constexpr int kWainscotTopRow = 15;     // rows 6..14: painted wainscot
constexpr int kRailTopRow = 18;         // rows 15..17: wooden dado rail
// Dark varnished wood inside the skirting (door leaves) and the lighter rail
// (door frames), as texture rectangles.
constexpr double kDoorWoodV0 = 1.5 / 128.0, kDoorWoodV1 = 4.5 / 128.0;
constexpr double kFrameWoodV0 = 15.5 / 128.0, kFrameWoodV1 = 17.5 / 128.0;
// A band of plain plaster, used by the ceilings.
constexpr double kPlasterV0 = 19.5 / 128.0;
constexpr double kPlasterStrip = 2.0;  // world units of ceiling per band height
constexpr double kPlasterV1 = kPlasterV0 + kPlasterStrip / kBay;

// Windows: the window texture draws one window per bay, s 3..9 along the bay
// and y 4.125..10.125, exactly where the window walls have their recess.
constexpr double kWindowS0 = 3.0, kWindowS1 = 9.0;
constexpr double kWindowT0 = 4.125, kWindowT1 = 10.125;  // rows 44..108
constexpr int kWindowFramePx = 3;  // painted frame inside the glass area
// Painted frame colour, for the recess sides.
constexpr double kWindowRevealU0 = 32.8 / 128.0, kWindowRevealU1 = 34.2 / 128.0;
constexpr double kWindowRevealV0 = 54.0 / 128.0, kWindowRevealV1 = 98.0 / 128.0;

// Chalk atlas: 8 x 8 cells of 64 pixels, characters 32..95 from the top row.
constexpr int kAtlasSize = 512;
constexpr int kAtlasCell = 64;
constexpr int kAtlasFirstChar = 32;

// Floors: one repeat per 4 x 4 units, 4 x 4 tiles.
constexpr double kFloorPeriod = 4.0;

// Stairs texture: three bands, each repeating along u every 12 units.
constexpr double kStairPeriod = 12.0;
constexpr double kStairWallV0 = 0.5, kStairWallV1 = 1.0;        // plaster, 6 units high
constexpr double kStairConcreteV0 = 0.25, kStairConcreteV1 = 0.5;  // concrete, 3 units
constexpr double kStairTreadV0 = 0.0, kStairTreadV1 = 0.25;     // tread, nosing at v = 0
constexpr double kStairWallBand = 6.0;
constexpr double kStairConcreteBand = 3.0;

// Blackboard texture: the slate above, wood below.
constexpr double kSlateV0 = 0.25, kSlateV1 = 1.0;
constexpr int kSlateRgb[3] = {36, 50, 42};  // also behind the chalk letters
constexpr double kWoodV0 = 0.0, kWoodV1 = 0.25;
constexpr double kWoodU1 = 0.875;                      // grain from u = 0 to here
constexpr double kChalkU0 = 0.9, kChalkV1 = 0.125;     // white chalk patch, lower right
constexpr double kFeltU0 = 0.9, kFeltV0 = 0.125;       // grey eraser felt above it

}  // namespace assetgen::layout
