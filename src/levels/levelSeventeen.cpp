#include "levels/levelSeventeen.h"

#include "levels/levelLayout.h"
#include "levels/tileCodes.h"

using namespace objectCode;

void levelSeventeen::setup() {
    beginLayout(*this, 80);

    // Four trees, each with an ash tree at its high-x side.
    for (const tileSpot spot : {tileSpot{31, 30}, tileSpot{31, 48}, tileSpot{49, 30}, tileSpot{49, 48}}) {
        placeObject(*this, tree, spot.x, spot.y);
        placeObject(*this, ashTree, spot.x + 1, spot.y);
    }
    placeObjects(*this, butterfly,
                 {{34, 37}, {34, 41}, {38, 33}, {38, 45}, {42, 33}, {42, 45}, {46, 37}, {46, 41}});
    placeObjects(*this, statue, {{40, 40}, {56, 40}});
    placeObject(*this, flame, 79, 79);
}
