#include "levels/trackedRun.h"

#include <SDL_image.h>

#include <filesystem>

#include "tools/replayRun.h"

const std::string &trackedRun::at(const int pass) const {
    static const std::string none;
    const auto found = states.find(pass);
    return found == states.end() ? none : found->second;
}

std::string trackedRun::field(const int pass, const std::string &key) const {
    return jsonField(at(pass), key);
}

trackedRun playTrack(const temporaryFolder &folder, const std::string &arguments, const std::string &track,
                     const int passes, const std::initializer_list<int> wanted) {
    writeWholeFile(folder.file("track"), track);
    std::string states;
    for (const int pass : wanted) {
        states += " --state " + std::to_string(pass);
    }
    const replayResult result =
        runReplay("--frames " + std::to_string(passes) + " " + arguments + states + " --input " +
                  folder.file("track") + " --data-dir " + folder.path());
    trackedRun run;
    run.exitCode = result.exitCode;
    run.errors = result.errors;
    for (const std::string &line : result.lines) {
        run.states[std::stoi(jsonField(line, "pass"))] = line;
    }
    const std::string save = folder.file("game.sav");
    run.saved = std::filesystem::exists(save) ? readWholeFile(save) : "";
    return run;
}

int pixelsIn(const std::string &path, const int left, const int top, const int right, const int bottom,
             const std::function<bool(int, int, int)> &counts) {
    SDL_Surface *shot = IMG_Load(path.c_str());
    if (shot == nullptr) {
        return -1;
    }
    int found = 0;
    for (int y = top; y < bottom; y++) {
        for (int x = left; x < right; x++) {
            const Uint32 rgb = pixelRgb(shot, x, y);
            found += counts(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                            static_cast<int>(rgb & 0xFF));
        }
    }
    SDL_FreeSurface(shot);
    return found;
}
