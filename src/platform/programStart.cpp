#include "platform/programStart.h"

programArguments argumentsOf(const int argc, char **argv) {
    programArguments arguments;
    arguments.texts.assign(argv, argv + argc);
    for (const std::string &text : arguments.texts) {
        arguments.pointers.push_back(text.c_str());
    }
    return arguments;
}

// A terminal, or whatever started the game, already holds both.
void connectMessages() {}

int cannotStart(const int status) {
    return status;
}
