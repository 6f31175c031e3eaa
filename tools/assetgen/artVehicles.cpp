// The standing car and the ghost car, rendered from one car model in sixteen views.
//
// Which view a picture number shows follows from how the sprite is chosen. For the
// standing car, picture n covers relative angles r in sector s = (10 − n) mod 16,
// [22.5·s, 22.5·s + 22.5); a car's angle is a heading like the player's, so at r = 0 it
// faces the way we look and we see its tail. For the ghost, picture n covers the sector
// centred on r = 22.5·((n + 7) mod 16); a ghost's angle counts from +x, the opposite way
// round from the player's heading, so at r = 0 it drives straight at us.
#include <string>

#include "artNoise.h"
#include "artRaster.h"
#include "artSpriteUtil.h"

namespace {

struct carLook {
    surfaceMaterial body, glass, tyre, hub, chrome, headlamp, taillamp, grille;
};

void addBody(triangleMesh &mesh, int body) {
    // Slices along the car: y, bottom, top, half width at the top.
    struct bodySlice {
        float y, bottom, top, halfTop;
    };
    const bodySlice slices[] = {
        {-0.87f, 0.12f, 0.31f, 0.36f}, {-0.80f, 0.09f, 0.37f, 0.39f}, {-0.45f, 0.09f, 0.39f, 0.40f},
        {0.30f, 0.09f, 0.385f, 0.40f}, {0.78f, 0.09f, 0.35f, 0.39f},  {0.87f, 0.12f, 0.30f, 0.36f},
    };
    const float halfBottom = 0.38f;
    for (size_t i = 0; i + 1 < std::size(slices); i++) {
        const bodySlice a = slices[i], b = slices[i + 1];
        const vec3 c[8] = {
            {-halfBottom, a.y, a.bottom}, {halfBottom, a.y, a.bottom}, {halfBottom, b.y, b.bottom},
            {-halfBottom, b.y, b.bottom}, {-a.halfTop, a.y, a.top},    {a.halfTop, a.y, a.top},
            {b.halfTop, b.y, b.top},      {-b.halfTop, b.y, b.top},
        };
        mesh.addBlock(c, body);
    }
}

void addCabin(triangleMesh &mesh, int glass, int body) {
    const vec3 c[8] = {
        {-0.37f, -0.47f, 0.385f}, {0.37f, -0.47f, 0.385f}, {0.37f, 0.28f, 0.385f}, {-0.37f, 0.28f, 0.385f},
        {-0.31f, -0.30f, 0.60f},  {0.31f, -0.30f, 0.60f},  {0.31f, 0.08f, 0.60f},  {-0.31f, 0.08f, 0.60f},
    };
    mesh.addBlock(c, glass);
    const vec3 roof[8] = {
        {-0.315f, -0.31f, 0.595f}, {0.315f, -0.31f, 0.595f}, {0.315f, 0.09f, 0.595f},
        {-0.315f, 0.09f, 0.595f},  {-0.30f, -0.29f, 0.625f}, {0.30f, -0.29f, 0.625f},
        {0.30f, 0.07f, 0.625f},    {-0.30f, 0.07f, 0.625f},
    };
    mesh.addBlock(roof, body);
    // Pillars between the side windows.
    for (float side : {-1.0f, 1.0f}) {
        mesh.addBox({side * 0.345f, -0.08f, 0.49f}, {0.03f, 0.025f, 0.105f}, body);
    }
}

void addLamps(triangleMesh &mesh, int headlamp, int taillamp, int chrome, int grille) {
    for (float side : {-1.0f, 1.0f}) {
        mesh.addBox({side * 0.25f, 0.872f, 0.245f}, {0.07f, 0.01f, 0.035f}, headlamp);
        mesh.addBox({side * 0.27f, -0.872f, 0.26f}, {0.065f, 0.01f, 0.03f}, taillamp);
    }
    mesh.addBox({0, 0.875f, 0.245f}, {0.14f, 0.008f, 0.03f}, grille);
    mesh.addBox({0, 0.89f, 0.14f}, {0.39f, 0.025f, 0.025f}, chrome);
    mesh.addBox({0, -0.89f, 0.15f}, {0.39f, 0.025f, 0.025f}, chrome);
}

triangleMesh carMesh(const carLook &look) {
    triangleMesh mesh;
    const int body = mesh.addMaterial(look.body);
    const int glass = mesh.addMaterial(look.glass);
    const int tyre = mesh.addMaterial(look.tyre);
    const int hub = mesh.addMaterial(look.hub);
    const int chrome = mesh.addMaterial(look.chrome);
    const int headlamp = mesh.addMaterial(look.headlamp);
    const int taillamp = mesh.addMaterial(look.taillamp);
    const int grille = mesh.addMaterial(look.grille);
    addBody(mesh, body);
    addCabin(mesh, glass, body);
    addLamps(mesh, headlamp, taillamp, chrome, grille);
    for (float x : {-0.35f, 0.35f}) {
        for (float y : {-0.55f, 0.56f}) {
            mesh.addWheel({x, y, 0.135f}, 0.135f, 0.055f, tyre, hub);
        }
    }
    return mesh;
}

carLook standingCarLook() {
    carLook look;
    look.body = {rgb(150, 40, 44), {}, 0.55f};
    look.glass = {rgb(40, 52, 66), {}, 0.9f};
    look.tyre = {rgb(26, 26, 28), {}, 0.05f};
    look.hub = {rgb(150, 150, 156), {}, 0.6f};
    look.chrome = {rgb(190, 190, 196), {}, 0.9f};
    look.headlamp = {rgb(255, 240, 200), rgb(255, 236, 190), 0.2f};
    look.taillamp = {rgb(220, 30, 20), rgb(200, 24, 14), 0.2f};
    look.grille = {rgb(30, 30, 32), {}, 0.1f};
    return look;
}

carLook ghostCarLook() {
    const rgbColour rim = rgb(120, 225, 255);
    carLook look;
    look.body = {rgb(22, 44, 60), rgb(6, 18, 26), 0.4f, 1.4f, rim};
    look.glass = {rgb(6, 12, 20), {}, 0.6f, 1.2f, rim};
    look.tyre = {rgb(16, 26, 34), {}, 0.0f, 0.9f, rim};
    look.hub = {rgb(50, 90, 110), {}, 0.3f, 0.6f, rim};
    look.chrome = {rgb(120, 170, 190), {}, 0.6f, 1.0f, rim};
    look.headlamp = {rgb(220, 250, 255), rgb(200, 245, 255), 0.0f};
    look.taillamp = {rgb(120, 220, 255), rgb(60, 160, 210), 0.0f};
    look.grille = {rgb(8, 16, 22), {}, 0.0f, 0.6f, rim};
    return look;
}

floatCanvas carView(const triangleMesh &mesh, float yaw) {
    cameraView view;
    view.width = 128;
    view.yawDegrees = yaw;
    view.originX = 64;
    return renderMesh(mesh, view);
}

float standingCarYaw(int picture) {
    const int sector = ((10 - picture) % 16 + 16) % 16;
    const float relative = 22.5f * sector + 11.25f;
    return -relative;
}

float ghostYaw(int picture) {
    const float relative = 22.5f * ((picture + 7) % 16);
    return -relative - 180.0f;
}

void addSplit(pictureSink &sink, const std::string &left, const std::string &right, int n,
              const floatCanvas &wide, float cut = 0.5f) {
    addSprite(sink, left + std::to_string(n) + ".png", leftHalf(wide), cut);
    addSprite(sink, right + std::to_string(n) + ".png", rightHalf(wide), cut);
}

// Every other row a little darker: the ghost never looks quite solid.
void addScanlines(floatCanvas &canvas) {
    for (int y = 1; y < canvas.height; y += 2) {
        for (int x = 0; x < canvas.width; x++) {
            float *p = canvas.at(x, y);
            p[0] *= 0.78f, p[1] *= 0.78f, p[2] *= 0.78f;
        }
    }
}

// A ghost condensing out of the dark: first a column of cold sparks, then the car
// filling in from the ground up; the sixth picture is the flicker of it fully there.
floatCanvas spawnPicture(const triangleMesh &ghost, int frame) {
    floatCanvas car = carView(ghost, ghostYaw(9));
    addScanlines(car);
    const float density[] = {0.10f, 0.28f, 0.46f, 0.64f, 0.82f, 1.0f};
    const float d = density[frame - 1];
    floatCanvas out(128, 64);
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 128; x++) {
            const float rise = (y - 32) / 64.0f * 0.5f; // lower texels come first
            const float n = tiledNoise(x / 3.0f, y / 3.0f, 64, 77);
            if (n < d + rise || frame == 6) {
                const float *p = car.at(x, y);
                const float lift = frame == 6 ? 1.35f : 0.8f + 0.2f * d;
                out.blend(x, y,
                          {p[0] / std::max(p[3], 1e-3f) * lift, p[1] / std::max(p[3], 1e-3f) * lift,
                           p[2] / std::max(p[3], 1e-3f) * lift},
                          p[3]);
            }
        }
    }
    // The column of light it gathers in.
    artRandom random(900 + frame);
    const float column = 1.0f - d;
    for (int i = 0; i < 90; i++) {
        const float x = 64 + random.range(-40, 40) * (0.4f + 0.6f * d);
        const float y = random.range(8, 62);
        fillCircle(out, x, y, random.range(0.6f, 1.3f), rgb(170, 235, 255), 0.5f + 0.5f * column);
    }
    if (frame == 6) {
        addHalo(out, rgb(150, 230, 255), 2, 0.9f);
    }
    return out;
}

} // namespace

void paintVehicles(pictureSink &sink) {
    const triangleMesh car = carMesh(standingCarLook());
    for (int n = 1; n <= 16; n++) {
        addSplit(sink, "art/car/left/", "art/car/right/", n, carView(car, standingCarYaw(n)));
    }
    const triangleMesh ghost = carMesh(ghostCarLook());
    for (int n = 1; n <= 16; n++) {
        floatCanvas full = carView(ghost, ghostYaw(n));
        addScanlines(full);
        addHalo(full, rgb(110, 210, 250), 1, 0.8f);
        addSplit(sink, "art/ghostCar/leftAll/", "art/ghostCar/rightAll/", n, full, 0.4f);
        floatCanvas fading = full;
        thinOut(fading, 0.5f, 0.7f);
        addSplit(sink, "art/ghostCar/leftFade/", "art/ghostCar/rightFade/", n, fading, 0.4f);
    }
    for (int n = 1; n <= 6; n++) {
        addSplit(sink, "art/ghostCar/spawn/left/", "art/ghostCar/spawn/right/", n, spawnPicture(ghost, n),
                 0.4f);
    }
}
