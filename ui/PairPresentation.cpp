#include "ui/PairPresentation.h"

#include <utility>

#include "color/HtmlCode.h"

namespace tonik {
namespace {

std::string Replace(std::string text, const std::string& field, const std::string& value)
{
    if (const size_t at = text.find(field); at != std::string::npos)
        text.replace(at, field.size(), value);
    return text;
}

// The causes that a reader hears in words: the colour (or the pair) they made.
bool SaysColour(PairCause cause)
{
    switch (cause) {
    case PairCause::Start:
    case PairCause::Refresh:
    case PairCause::Channel:
    case PairCause::TypedCode:
        return false;
    default:
        return true;
    }
}

}  // namespace

PairPresentation::PairPresentation(PairWords words) : words(std::move(words)) {}

std::string PairPresentation::ColourWords(uint32_t foreColor, uint32_t backColor, bool foreground, bool both) const
{
    const std::string front = words.front + ' ' + FormatHtmlCode(foreColor);
    const std::string back = words.back + ' ' + FormatHtmlCode(backColor);
    if (both)
        return front + ", " + back;
    return foreground ? front : back;
}

PairView PairPresentation::Show(uint32_t foreColor, uint32_t backColor, bool foreground, PairCause cause,
                                const PairFocus& focus)
{
    PairView view;
    const double ratio = ContrastRatio(foreColor, backColor);
    view.contrastText = ContrastText(ratio, words.contrast);
    view.contrastSpoken = ContrastSpokenText(ratio, words.contrast);
    view.fixEnabled = FixContrastWanted(ratio);
    view.sampleDescription = Replace(Replace(Replace(words.sample, "%1", FormatHtmlCode(foreColor)), "%2",
                                             FormatHtmlCode(backColor)),
                                     "%3", FormatContrastRatio(ratio, words.contrast));
    if (focus.visionOpen) {
        for (const Vision vision : VISIONS) {
            const VisionPair seen = SeePair(foreColor, backColor, vision);
            view.vision.push_back({seen, ContrastText(seen.ratio, words.contrast),
                                   ContrastSpokenText(seen.ratio, words.contrast), seen.ratio < AA_RATIO});
        }
        view.visionAfterFix = cause == PairCause::Fix;
    }

    // A slider or number field speaks its own value; every other change is
    // gathered from the contrast the reader knew before it.
    if (focus.onScreen && cause != PairCause::Channel && cause != PairCause::Start) {
        utterance.Open(shownSpoken);
        view.settleMs = cause == PairCause::TypedCode ? TYPING_PAUSE_MS : CHANGE_SETTLED_MS;
        if (SaysColour(cause) && !(cause == PairCause::Choice && focus.choiceFocused))
            utterance.SetWords(ColourWords(foreColor, backColor, foreground,
                                           cause == PairCause::Swap || cause == PairCause::PastePair));
    }
    if (view.sampleDescription != shownDescription && focus.sampleSpeaks && utterance.IsOpen())
        utterance.SpokenByFocus();
    shownSpoken = view.contrastSpoken;
    shownDescription = view.sampleDescription;
    return view;
}

std::string PairPresentation::Settle()
{
    return utterance.Close(shownSpoken);
}

}  // namespace tonik
