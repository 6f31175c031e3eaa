#include "levels/menuPages.h"

#include "media/textBox.h"
#include "player/menuKeys.h"

namespace {

constexpr std::string_view cursorMark = "_"; // drawn as the arrow before the item

enum class itemWriting { all, cursorOnly };

// The page's own headers if it has any, else the menu's.
void addHeaders(const menuPages &menu, textBox &text, const bool instant) {
    const bool pageHeaded = menu.pageHeaderCount > 0;
    const std::string_view *lines = pageHeaded ? menu.pageHeaders : menu.headers;
    const int count = pageHeaded ? menu.pageHeaderCount : menu.headerCount;
    for (int line = 0; line < count; line++) {
        text.addMenuLine(lines[line], instant);
    }
}

template <int size>
void setLines(std::string_view (&lines)[size], int &count,
              const std::initializer_list<std::string_view> given) {
    count = 0;
    for (const std::string_view line : given) {
        if (count < size) {
            lines[count++] = line;
        }
    }
}

// A blank line, then the notes.
void addNotes(const menuPages &menu, textBox &text, const bool instant) {
    if (menu.noteCount == 0) {
        return;
    }
    text.addMenuLine("", instant);
    for (int line = 0; line < menu.noteCount; line++) {
        text.addMenuLine(menu.notes[line], instant);
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
    setLines(headers, headerCount, lines);
}

void menuPages::setPageHeaders(const std::initializer_list<std::string_view> lines) {
    setLines(pageHeaders, pageHeaderCount, lines);
}

void menuPages::setNotes(const std::initializer_list<std::string_view> lines) {
    setLines(notes, noteCount, lines);
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
    addNotes(*this, text, false);
}

void menuPages::show(textBox &text) const {
    text.commandMenu(textCommand::blank);
    addHeaders(*this, text, true);
    addItems(*this, text, itemWriting::all);
    addNotes(*this, text, true);
}

void menuPages::redraw(textBox &text) const {
    text.commandMenu(textCommand::blank);
    addHeaders(*this, text, true);
    addItems(*this, text, itemWriting::cursorOnly);
    addNotes(*this, text, true);
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
