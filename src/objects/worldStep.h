#pragma once
// A pass of the world. It sits above both the object table and the interactions: the car
// drives, the world answers its move between the two halves of the drive, and then every
// object has its turn. Neither the table nor the interactions call back up into it.
class objectWorld;

// The car's pass of driving, with the world's answer to its move (bumps, the flash) in the
// middle.
void stepPlayerCar(objectWorld &world);

// One frame of the world: the car's step, every placed object's update in table order,
// then the fade.
void updateObjects(objectWorld &world);
