#include "app/objectNames.h"

const char *kindName(const objectKind kind) {
    switch (kind) {
    case objectKind::lamp:
        return "lamp";
    case objectKind::stop:
        return "stop";
    case objectKind::car:
        return "car";
    case objectKind::ghostCar:
        return "ghostCar";
    case objectKind::tree:
        return "tree";
    case objectKind::butterfly:
        return "butterfly";
    case objectKind::ashTree:
        return "ashTree";
    case objectKind::ashBush:
        return "ashBush";
    case objectKind::statue:
        return "statue";
    case objectKind::gLight:
        return "gLight";
    case objectKind::moon:
        return "moon";
    case objectKind::flame:
        return "flame";
    case objectKind::roadSign:
        return "roadSign";
    case objectKind::lightning:
        return "lightning";
    }
    return "?";
}

const char *modeName(const objectMode mode) {
    switch (mode) {
    case objectMode::none:
        return "none";
    case objectMode::spawn:
        return "spawn";
    case objectMode::spawnStraight:
        return "spawnStraight";
    case objectMode::patrol:
        return "patrol";
    case objectMode::attack:
        return "attack";
    case objectMode::dead:
        return "dead";
    case objectMode::respawn:
        return "respawn";
    case objectMode::respawnStraight:
        return "respawnStraight";
    case objectMode::standing:
        return "static";
    case objectMode::straight:
        return "straight";
    case objectMode::race:
        return "race";
    case objectMode::trigger:
        return "trigger";
    case objectMode::glow:
        return "glow";
    case objectMode::end:
        return "end";
    case objectMode::after:
        return "after";
    case objectMode::light:
        return "light";
    case objectMode::dim:
        return "dim";
    case objectMode::pulse:
        return "pulse";
    case objectMode::fade:
        return "fade";
    case objectMode::repel:
        return "repel";
    case objectMode::lit:
        return "lit";
    case objectMode::random:
        return "random";
    case objectMode::hideRandom:
        return "hideRandom";
    case objectMode::once:
        return "once";
    case objectMode::hideOnce:
        return "hideOnce";
    }
    return "?";
}
