#pragma once
// The pause menu over the frozen level: a main page (unpause, settings, return to title)
// and the shared settings and controls pages.
class stateContext;

// The entry pass of "paused": labels from the flags, the cursor on "unpause", the box
// writing itself in.
void enterPauseMenu(stateContext &context);
// The keys of every later pass.
void handlePauseKeys(stateContext &context);
