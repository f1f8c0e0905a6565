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

// Once Qt is gone (one thread left, so forking is safe): starts the keeper of
// the UTF-8 text in a session of its own and returns when it owns the
// clipboard, or false when it could not take it.
bool KeepClipboardText(const std::string& text);

}  // namespace tonik
