// What a screen reader is told of one change of the pair. A change can take
// several steps (a pick selects the role, then writes every control), and a
// reader that is sent a flood drops it: the words are gathered while the
// change settles and spoken once, with the contrast only when it differs
// from the one the reader knew before the change.
#pragma once

#include <string>

namespace tonik {

class Utterance {
public:
    // Starts gathering, unless a change is gathering already; knownContrast
    // is the contrast as spoken before the change.
    void Open(const std::string& knownContrast);
    bool IsOpen() const { return open; }
    // The colour or choice the change made, said before the contrast; the
    // last words given replace earlier ones.
    void SetWords(std::string words);
    // The focused control speaks the change itself: nothing more is said.
    void SpokenByFocus() { spokenByFocus = true; }
    // Ends the change: what to speak, empty when nothing is new to the reader.
    std::string Close(const std::string& contrastNow);

private:
    bool open = false;
    bool spokenByFocus = false;
    std::string known;
    std::string words;
};

}  // namespace tonik
