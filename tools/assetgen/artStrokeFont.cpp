#include "artStrokeFont.h"

#include "media/glyphTable.h"

#include <cmath>
#include <sstream>
#include <vector>

namespace {

// Each glyph is a small pen program in a 20-pixel design box (baseline 15, x-height 7):
// "L x y x y …" a polyline, "A cx cy rx ry from to" an arc in degrees clockwise from
// three o'clock, "D x y" a dot. A letter's ink runs from about 2 pixels into its advance to
// about 4 short of the next pen position, so the gaps in a word look even.
const char *glyphProgram(char c) {
    switch (c) {
    case 'a':
        return "A 7 11 4 4 0 360 L 11 7 11 15";
    case 'b':
        return "L 3 2 3 15 A 7 11 4 4 0 360";
    case 'c':
        return "A 7 11 4 4 35 325";
    case 'd':
        return "A 7 11 4 4 0 360 L 11 2 11 15";
    case 'e':
        return "A 7 11 4 4 45 360 L 3 11 11 11";
    case 'f':
        return "L 6 15 6 6 A 9 6 3 3 180 300 L 3 8 10 8";
    case 'g':
        return "A 7 11 4 4 0 360 L 11 7 11 16 A 7 16 4 3 0 160";
    case 'h':
        return "L 3 2 3 15 A 7 11 4 4 180 360 L 11 11 11 15";
    case 'i':
        return "L 3.5 7 3.5 15 D 3.5 4";
    case 'j':
        return "L 10.5 7 10.5 17 A 7 17 3.5 2 0 160 D 10.5 4";
    case 'k':
        return "L 3 2 3 15 L 11 7 3 12 L 6 10 11 15";
    case 'l':
        return "L 2 3.5 4.5 2 4.5 12 A 8 12 3.5 3 40 180"; // a lead-in and a foot fill its advance
    case 'm':
        return "L 3 7 3 15 A 7.5 11 4.5 4 180 360 L 12 11 12 15 A 16.5 11 4.5 4 180 360 L 21 11 21 15";
    case 'n':
        return "L 3 7 3 15 A 7 11 4 4 180 360 L 11 11 11 15";
    case 'o':
        return "A 8 11 5 4 0 360";
    case 'p':
        return "L 3 7 3 19 A 7 11 4 4 0 360";
    case 'q':
        return "L 13 7 13 19 A 8 11 5 4 0 360";
    case 'r':
        return "L 3 7 3 15 A 9 11 6 4 180 300";
    case 's':
        return "L 13 8 11 7 5.5 7 3.5 8 3.5 10 5.5 11 11 11 13 12 13 14 11 15 5.5 15 3.5 14";
    case 't':
        return "L 6.5 3 6.5 12 A 10 12 3.5 3 40 180 L 3 7 12 7";
    case 'u':
        return "L 3 7 3 11 A 7 11 4 4 0 180 L 11 7 11 15";
    case 'v':
        return "L 3 7 7 15 11 7";
    case 'w':
        return "L 3 7 7 15 11.5 9 16 15 20 7";
    case 'x':
        return "L 3 7 11 15 L 11 7 3 15";
    case 'y':
        return "L 3 7 7 15 L 11 7 5.5 19";
    case 'z':
        return "L 3 7 11 7 3 15 11 15";
    case '0':
        return "A 7 9 4 6 0 360";
    case '1':
        return "L 2 5 5 3 5 15";
    case '2':
        return "A 7 7 4 4 190 385 L 10.6 8.7 3 15 11 15";
    case '3':
        return "A 7 6 3.5 3 200 450 A 7 12 4 3 270 520";
    case '4':
        return "L 9 15 9 3 3 11 12 11";
    case '5':
        return "L 11 3 4 3 3.5 8.5 A 7 11 4 4 220 500";
    case '6':
        return "A 8 11 4.5 4 0 360 A 11 11 7.5 8 180 250";
    case '7':
        return "L 3 3 11 3 6 15";
    case '8':
        return "A 7 6 3.5 3 0 360 A 7 12 4 3 0 360";
    case '9':
        return "A 7 7 4 4 0 360 A 3 7 8 8 0 80";
    case '_':
        return "L 2 11 13 11 L 9 7 13 11 9 15"; // shown as the menu's arrow
    case '.':
        return "D 6 14.5"; // mid-word in a file's name ("game.sav"): central, as a letter sits
    case ':':
        return "D 6 8.5 D 6 14.5";
    case '-':
        return "L 3 11 11 11";
    case '!':
        return "L 4 3 4 11 D 4 14.5";
    case '?':
        return "A 7 6 3.5 3 180 450 L 7 9 7 11 D 7 14.5";
    default:
        return "";
    }
}

struct strokePen {
    floatCanvas &canvas;
    float ox, oy, scale, halfWidth;
    rgbColour colour;

    float px(float x) const { return ox + x * scale; }
    float py(float y) const { return oy + y * scale; }
    // Strokes are unioned before painting so overlapping segments do not double up.
    std::vector<float> segments; // ax ay bx by in canvas pixels

    void segment(float ax, float ay, float bx, float by) {
        segments.insert(segments.end(), {px(ax), py(ay), px(bx), py(by)});
    }
    void arc(float cx, float cy, float rx, float ry, float from, float to) {
        const int steps = std::max(6, static_cast<int>((to - from) / 10.0f));
        float lastX = 0, lastY = 0;
        for (int i = 0; i <= steps; i++) {
            const float a = (from + (to - from) * i / steps) * 3.14159265f / 180.0f;
            const float x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
            if (i > 0) {
                segment(lastX, lastY, x, y);
            }
            lastX = x, lastY = y;
        }
    }
    float distance(float x, float y) const {
        float best = 1e30f;
        for (size_t i = 0; i < segments.size(); i += 4) {
            best = std::min(best, sdSegment(x, y, segments[i], segments[i + 1], segments[i + 2],
                                            segments[i + 3], halfWidth));
        }
        return best;
    }
    void paint() {
        if (segments.empty()) {
            return;
        }
        floatRect box{1e30f, 1e30f, -1e30f, -1e30f};
        for (size_t i = 0; i < segments.size(); i += 2) {
            box.x0 = std::min(box.x0, segments[i] - halfWidth);
            box.x1 = std::max(box.x1, segments[i] + halfWidth);
            box.y0 = std::min(box.y0, segments[i + 1] - halfWidth);
            box.y1 = std::max(box.y1, segments[i + 1] + halfWidth);
        }
        fillShape(
            canvas, box, [this](float x, float y) { return distance(x, y); }, colour);
    }
};

void runProgram(strokePen &pen, const char *program) {
    std::istringstream in(program);
    std::string op;
    while (in >> op) {
        if (op == "L") {
            std::vector<float> pts;
            float v;
            while (in >> v) {
                pts.push_back(v);
            }
            in.clear();
            for (size_t i = 2; i + 1 < pts.size(); i += 2) {
                pen.segment(pts[i - 2], pts[i - 1], pts[i], pts[i + 1]);
            }
        } else if (op == "A") {
            float cx, cy, rx, ry, from, to;
            in >> cx >> cy >> rx >> ry >> from >> to;
            pen.arc(cx, cy, rx, ry, from, to);
        } else if (op == "D") {
            float x, y;
            in >> x >> y;
            pen.segment(x, y, x + 0.01f, y);
        }
    }
}

} // namespace

// The glyphs are drawn to the game's own advance table, the one its text is laid out with.
int glyphAdvance(char c) {
    return letterAdvance(c, '\0');
}

void strokeGlyph(floatCanvas &canvas, char c, float x, float y, float scale, float penWidth,
                 rgbColour colour) {
    strokePen pen{canvas, x, y, scale, penWidth * scale * 0.5f, colour, {}};
    runProgram(pen, glyphProgram(c));
    pen.paint();
}

float strokeText(floatCanvas &canvas, const std::string &text, float x, float y, float scale, float penWidth,
                 rgbColour colour) {
    for (char c : text) {
        strokeGlyph(canvas, c, x, y, scale, penWidth, colour);
        x += glyphAdvance(c) * scale;
    }
    return x;
}

float textWidth(const std::string &text, float scale) {
    float w = 0;
    for (char c : text) {
        w += glyphAdvance(c) * scale;
    }
    return w;
}
