#pragma once
// What the player car does to the world and the world to it, inside the car's step: it
// bumps into solid objects and is pushed back out of them, its headlight flash acts on
// everything near the beam point, and a ghost car's ram shakes it.
class objectWorld;
class playerCar;

// The flash is aimed at the point this many tiles straight ahead of the car.
constexpr double beamDistance = 5.5;

// Collisions with the nearest solid object: the moon (and trees in the moon level) are
// walls the car cannot come near; anything else is knocked (a lamp goes dark, a dead statue
// crumbles) and the car stops, shaking.
void bumpObjects(objectWorld &world);

// The beam point; in the frame the flash fires, its effect on every object within reach
// of it; then the two headlight spots.
void flashObjects(objectWorld &world);

// A ghost car's ram: the flash ends, the screen flashes white, the bonnet and dashboard jump
// apart, and the car stops dead.
void hitPlayer(playerCar &car);
