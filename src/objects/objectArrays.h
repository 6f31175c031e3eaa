#pragma once
// One array per kind of world object, each as long as the kind's capacity, built once at
// start-up; the object world's table refers to their elements.
#include "objects/ashBush.h"
#include "objects/ashTree.h"
#include "objects/butterfly.h"
#include "objects/car.h"
#include "objects/flame.h"
#include "objects/gLight.h"
#include "objects/ghostCar.h"
#include "objects/lamp.h"
#include "objects/lightning.h"
#include "objects/moon.h"
#include "objects/roadSign.h"
#include "objects/statue.h"
#include "objects/stop.h"
#include "objects/tree.h"

class objectWorld;

struct objectArrays {
    lamp lamps[630];
    stop stops[45];
    car cars[9];
    ghostCar ghostCars[180];
    tree trees[90];
    butterfly butterflies[180];
    ashTree ashTrees[450];
    ashBush ashBushes[450];
    statue statues[90];
    gLight groundLights[450];
    moon moons[9];
    flame flames[108];
    roadSign roadSigns[9];
    lightning lightnings[450];

    // Fills the world's table kind by kind in table order, each kind in array order.
    void linkInto(objectWorld &world);
};
