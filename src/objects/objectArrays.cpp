#include "objects/objectArrays.h"

#include "objects/objectWorld.h"

namespace {

template <typename kindClass, int count>
void append(objectWorld &world, int &next, kindClass (&objects)[count]) {
    for (kindClass &object : objects) {
        object.world = &world;
        world.objects[next++] = &object;
    }
}

} // namespace

void objectArrays::linkInto(objectWorld &world) {
    int next = 0;
    append(world, next, lamps);
    append(world, next, stops);
    append(world, next, cars);
    append(world, next, ghostCars);
    append(world, next, trees);
    append(world, next, butterflies);
    append(world, next, ashTrees);
    append(world, next, ashBushes);
    append(world, next, statues);
    append(world, next, groundLights);
    append(world, next, moons);
    append(world, next, flames);
    append(world, next, roadSigns);
    append(world, next, lightnings);
}
