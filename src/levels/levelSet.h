#pragma once

#include "levels/levelEight.h"
#include "levels/levelEleven.h"
#include "levels/levelFifteen.h"
#include "levels/levelFive.h"
#include "levels/levelFour.h"
#include "levels/levelFourteen.h"
#include "levels/levelList.h"
#include "levels/levelNine.h"
#include "levels/levelOne.h"
#include "levels/levelSeven.h"
#include "levels/levelSeventeen.h"
#include "levels/levelSix.h"
#include "levels/levelSixteen.h"
#include "levels/levelTen.h"
#include "levels/levelThirteen.h"
#include "levels/levelThree.h"
#include "levels/levelTwelve.h"
#include "levels/levelTwo.h"
#include "levels/levelZero.h"

// One instance of every level class, built in index order. It is large (two 80 × 80 grids per
// level), so keep it in static or heap storage rather than on the stack.
struct levelSet {
    levelZero zero;
    levelOne one;
    levelTwo two;
    levelThree three;
    levelFour four;
    levelFive five;
    levelSix six;
    levelSeven seven;
    levelEight eight;
    levelNine nine;
    levelTen ten;
    levelEleven eleven;
    levelTwelve twelve;
    levelThirteen thirteen;
    levelFourteen fourteen;
    levelFifteen fifteen;
    levelSixteen sixteen;
    levelSeventeen seventeen;

    // Points the list's entries at these levels; the set must outlive the list's use of them.
    void linkInto(levelList &list);
};
