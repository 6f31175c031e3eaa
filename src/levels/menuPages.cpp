#include "levels/menuPages.h"

#include "media/textBox.h"
#include "player/menuKeys.h"

namespace {

constexpr std::string_view cursorMark = "_"; // drawn as the arrow before the item

enum class itemWriting { all, cursorOnly };

void addHeaders(const menuPages &menu, textBox &text, const bool instant) {
    for (int line = 0; line < menu.headerCount; line++) {
        text.addMenuLine(menu.headers[line], instant);
    }
}

// The items in order, the one under the cursor marked; an instant item is there at once.
void addItems(const menuPages &menu, textBox &text, const itemWriting writing) {
    for (int item = 0; item < menu.itemCount; item++) {
        const bool underCursor = item == menu.cursor;
        const std::string &line = menu.items[item];
        text.addMenuLine(underCursor ? std::string(cursorMark) + line : line,
                         writing == itemWriting::cursorOnly && !underCursor);
    }
}

} // namespace

void menuPages::setHeaders(const std::initializer_list<std::string_view> lines) {
    headerCount = 0;
    for (const std::string_view line : lines) {
        if (headerCount < maxMenuHeaders) {
            headers[headerCount++] = line;
        }
    }
}

void menuPages::setItems(const std::initializer_list<std::string_view> lines) {
    itemCount = 0;
    for (const std::string_view line : lines) {
        if (itemCount < maxMenuItems) {
            items[itemCount++].assign(line);
        }
    }
}

void menuPages::open(textBox &text) const {
    addHeaders(*this, text, false);
    addItems(*this, text, itemWriting::all);
}

void menuPages::show(textBox &text) const {
    text.commandMenu(textCommand::blank);
    addHeaders(*this, text, true);
    addItems(*this, text, itemWriting::all);
}

void menuPages::redraw(textBox &text) const {
    text.commandMenu(textCommand::blank);
    addHeaders(*this, text, true);
    addItems(*this, text, itemWriting::cursorOnly);
}

// Past the last item the cursor comes round to the first, and the other way.
int menuPages::readCursorKeys(const keyboardState &keys, textBox &text) {
    if (itemCount == 0) {
        return 0;
    }
    int moves = 0;
    if (menuKeyPressed(keys, menuKey::down)) {
        cursor = (cursor + 1) % itemCount;
        redraw(text);
        moves++;
    }
    if (menuKeyPressed(keys, menuKey::up)) {
        cursor = (cursor + itemCount - 1) % itemCount;
        redraw(text);
        moves++;
    }
    return moves;
}
