#pragma once
// What the game does at its start and at a failed start that differs between systems. On
// Windows a game started from the Start menu has no console: what it says on standard error is
// kept, and shown in a message box should the game not start; one started from a console
// prints there. Its arguments arrive as UTF-8 on every system.
#include <string>
#include <vector>

struct programArguments {
    std::vector<std::string> texts;
    std::vector<const char *> pointers; // into texts, as argv would be
};

programArguments argumentsOf(int argc, char **argv);

// Connects standard output and error to the console the game was started from, or keeps
// them where a failed start can show them.
void connectMessages();

// The exit status of a start that failed, after showing why to a player who has no console.
int cannotStart(int status);
