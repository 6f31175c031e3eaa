#pragma once
class objectWorld;

// Turns the placed objects into this frame's draw list, in table order, choosing each
// object's pictures by its kind, frame and the side it is seen from.
void buildSpriteList(objectWorld &world);
