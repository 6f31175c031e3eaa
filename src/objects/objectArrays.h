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
    lamp lamps[capacityOf(objectKind::lamp)];
    stop stops[capacityOf(objectKind::stop)];
    car cars[capacityOf(objectKind::car)];
    ghostCar ghostCars[capacityOf(objectKind::ghostCar)];
    tree trees[capacityOf(objectKind::tree)];
    butterfly butterflies[capacityOf(objectKind::butterfly)];
    ashTree ashTrees[capacityOf(objectKind::ashTree)];
    ashBush ashBushes[capacityOf(objectKind::ashBush)];
    statue statues[capacityOf(objectKind::statue)];
    gLight groundLights[capacityOf(objectKind::gLight)];
    moon moons[capacityOf(objectKind::moon)];
    flame flames[capacityOf(objectKind::flame)];
    roadSign roadSigns[capacityOf(objectKind::roadSign)];
    lightning lightnings[capacityOf(objectKind::lightning)];

    // Fills the world's table kind by kind in table order, each kind in array order.
    void linkInto(objectWorld &world);
};
