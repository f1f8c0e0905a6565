// What every view shows of the pair, and what a screen reader hears of a
// change, decided once per step of a change: the contrast strip's text and
// Fix, the sample's description, the Colour Vision rows while that view is
// open, and the words announced once the change has settled. The views only
// show what this gives; nothing is read back from a widget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "color/ColorVision.h"
#include "color/Contrast.h"
#include "ui/Utterance.h"

namespace tonik {

// What made a step of a change.
enum class PairCause {
    Start,      // shown afresh (the dialog, the Colour Vision view opening): nothing to hear
    Refresh,    // every control rewritten (the edited role chosen, a colour set)
    Channel,    // a slider or number field, which speaks its own value
    TypedCode,  // the HTML code field, spoken when the typing pauses
    Palette,
    Dropper,
    Chooser,
    Safe,
    Fix,
    Paste,      // the edited colour from the clipboard
    PastePair,  // both colours from the clipboard
    Swap,
    Choice,     // Front or Back
};

// Where the change meets the reader.
struct PairFocus {
    bool onScreen = true;        // before the dialog shows, nothing is spoken
    bool choiceFocused = false;  // the focus is on the chosen Front or Back, which speaks itself
    bool sampleSpeaks = false;   // the focus is on SAMPLE, whose new description the reader speaks
    bool visionOpen = false;     // the Colour Vision view is open
};

// The words of the views, English unless translations are given.
struct PairWords {
    ContrastWords contrast;
    std::string sample = "Text %1 on background %2, contrast %3:1";
    std::string front = "Front";
    std::string back = "Back";
};

struct VisionRow {
    VisionPair seen;
    std::string shown;   // as the strip writes it
    std::string spoken;  // as the strip says it
    bool failsAa = false;
};

struct PairView {
    std::string contrastText;
    std::string contrastSpoken;
    bool fixEnabled = false;
    std::string sampleDescription;
    std::vector<VisionRow> vision;  // empty while the view is closed
    bool visionAfterFix = false;    // the rows say which readers Fix left failing AA
    int settleMs = 0;               // > 0: restart the wait for the change to settle
};

class PairPresentation {
public:
    // A change is spoken once it has been still this long: long enough to
    // gather its steps, short enough to answer its key at once; a code
    // typed at a normal speed is spoken when the typing pauses.
    static constexpr int CHANGE_SETTLED_MS = 100;
    static constexpr int TYPING_PAUSE_MS = 500;

    explicit PairPresentation(PairWords words = {});

    // One step of a change: the pair, which of them is edited (foreground
    // true: the text colour), what made it and where the reader is.
    PairView Show(uint32_t foreColor, uint32_t backColor, bool foreground, PairCause cause, const PairFocus& focus);
    // The change has been still long enough: what to announce, once; empty
    // when nothing is new to the reader.
    std::string Settle();

private:
    std::string ColourWords(uint32_t foreColor, uint32_t backColor, bool foreground, bool both) const;

    PairWords words;
    std::string shownSpoken;  // the contrast as the strip says it now
    std::string shownDescription;
    Utterance utterance;
};

}  // namespace tonik
