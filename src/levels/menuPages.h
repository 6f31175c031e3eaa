#pragma once
// A menu in the text box's menu area, the same for the title menu and the pause menu: the
// page shown, with optional header lines above its items and notes below them, a cursor
// that walks the items and wraps round at either end, and the three ways a page goes up.
#include <initializer_list>
#include <string>
#include <string_view>

class keyboardState;
class textBox;

enum class menuPage : unsigned char {
    main,
    newGame,  // the title menu asks before a new game erases a saved one
    settings, // the two display toggles, the volumes and the way to the controls
    controls, // the keys of each action
    title,    // the pause menu is closing on its way back to the title
};

inline constexpr int maxMenuItems = 12;
inline constexpr int maxMenuHeaders = 2;
inline constexpr int maxMenuNotes = 2;

class menuPages {
  public:
    menuPage page = menuPage::main;
    int cursor = 0;
    // The lines of the page shown: headers that stay where they are, then the items.
    std::string_view headers[maxMenuHeaders] = {};
    int headerCount = 0;
    // Lines a page shows in place of the menu's headers (the controls page's own heading).
    std::string_view pageHeaders[maxMenuHeaders] = {};
    int pageHeaderCount = 0;
    std::string items[maxMenuItems];
    int itemCount = 0;
    // Lines under the items, after a blank one, that the cursor passes by.
    std::string_view notes[maxMenuNotes] = {};
    int noteCount = 0;

    void setHeaders(std::initializer_list<std::string_view> lines);
    void setPageHeaders(std::initializer_list<std::string_view> lines);
    void setItems(std::initializer_list<std::string_view> lines);
    void setNotes(std::initializer_list<std::string_view> lines);

    // The menu opens: every line writes itself in, below whatever the box already holds.
    void open(textBox &text) const;
    // A new page, or the same one afresh after a toggle: the box is emptied, the headers
    // and notes are there at once and every item writes itself in.
    void show(textBox &text) const;
    // After a cursor move: only the item under the cursor writes itself in (and pulses);
    // the headers, notes and the other items are there at once, dim.
    void redraw(textBox &text) const;

    // The cursor keys of one pass: "s", "down" or the pad's down moves the cursor down, then
    // "w", "up" or the pad's up moves it up (both can come in one pass); each move redraws the page. Returns
    // the number of moves.
    int readCursorKeys(const keyboardState &keys, textBox &text);
};
