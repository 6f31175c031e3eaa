#include "objects/objectArrays.h"

#include "objects/objectWorld.h"

namespace {

template <objectKind kind, typename kindClass, int count>
void append(objectWorld &world, int &next, kindClass (&objects)[count]) {
    static_assert(count == capacityOf(kind), "each kind's array is as long as its capacity");
    for (kindClass &object : objects) {
        object.world = &world;
        world.objects[next++] = &object;
    }
}

} // namespace

void objectArrays::linkInto(objectWorld &world) {
    int next = 0;
    append<objectKind::lamp>(world, next, lamps);
    append<objectKind::stop>(world, next, stops);
    append<objectKind::car>(world, next, cars);
    append<objectKind::ghostCar>(world, next, ghostCars);
    append<objectKind::tree>(world, next, trees);
    append<objectKind::butterfly>(world, next, butterflies);
    append<objectKind::ashTree>(world, next, ashTrees);
    append<objectKind::ashBush>(world, next, ashBushes);
    append<objectKind::statue>(world, next, statues);
    append<objectKind::gLight>(world, next, groundLights);
    append<objectKind::moon>(world, next, moons);
    append<objectKind::flame>(world, next, flames);
    append<objectKind::roadSign>(world, next, roadSigns);
    append<objectKind::lightning>(world, next, lightnings);
}
