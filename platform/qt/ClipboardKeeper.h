// The clipboard after Tonik ends. On X11 a program serves its clipboard text
// itself, so without a clipboard manager the copied code would go with Tonik;
// a small process of Tonik's own keeps serving it until another program takes
// the clipboard.
#pragma once

#include <optional>
#include <string>

namespace tonik {

// While Qt still runs: the text to keep when Tonik owns the X11 clipboard and
// no clipboard manager runs (Qt hands the text to one itself); else nothing.
std::optional<std::string> ClipboardTextToKeep();

// Starts the keeper: Tonik's own executable in its keeper mode, a fresh
// process in a session of its own, working in /, that serves the UTF-8 text
// on the X display named (empty: $DISPLAY). Returns when it owns the
// clipboard, or false when it could not take it.
bool KeepClipboardText(const std::string& text, const std::string& display);

// The keeper mode: Tonik started with this argument and a display name is the
// keeper, reading the text from standard input and saying on descriptor 3
// that it owns the clipboard. Never shown to users.
extern const char CLIPBOARD_KEEPER_MODE[];
int RunClipboardKeeper(const char* display);

}  // namespace tonik
