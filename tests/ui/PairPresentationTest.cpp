#include "ui/PairPresentation.h"

#include <gtest/gtest.h>

namespace tonik {
namespace {

constexpr uint32_t BLACK = 0x000000, WHITE = 0xFFFFFF, GREEN = 0x00CC99, GREY = 0x777777;

// One change after the dialog showed black text on white, the text colour
// edited: its steps, then what a reader hears once it settled.
TEST(PairPresentation, DecidesOnceWhatEachChangeSaysAndWhen)
{
    struct Step {
        uint32_t fore, back;
        bool foreground;
        PairCause cause;
        PairFocus focus;
    };
    PairFocus onScreen, choiceFocused, sampleSpeaks, hidden;
    choiceFocused.choiceFocused = true;
    sampleSpeaks.sampleSpeaks = true;
    hidden.onScreen = false;
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int settleMs;  // of the last step
        const char* spoken;
    };
    const Case cases[] = {
        {"a pick: the role chosen, then the colour said with the new contrast",
         {{BLACK, GREEN, false, PairCause::Refresh, onScreen}, {BLACK, GREEN, false, PairCause::Palette, onScreen}},
         100, "Back #99CC00. Contrast 10.99 to 1. Passes AA, AA large, AAA, AAA large."},
        {"Alt+F: the choice, and no unchanged contrast",
         {{BLACK, WHITE, true, PairCause::Refresh, onScreen}, {BLACK, WHITE, true, PairCause::Choice, onScreen}},
         100, "Front #000000"},
        {"Up and Down in the pair: the button speaks itself",
         {{BLACK, WHITE, false, PairCause::Choice, choiceFocused}}, 100, ""},
        {"a typed code: the contrast when the typing pauses",
         {{GREY, WHITE, true, PairCause::TypedCode, onScreen}}, 500,
         "Contrast 4.47 to 1. Passes AA large. Fails AA, AAA, AAA large."},
        {"a slider speaks its own value", {{GREY, WHITE, true, PairCause::Channel, onScreen}}, 0, ""},
        {"a swap says both colours, the ratio unchanged",
         {{WHITE, BLACK, false, PairCause::Refresh, onScreen}, {WHITE, BLACK, false, PairCause::Swap, onScreen}}, 100,
         "Front #FFFFFF, Back #000000"},
        {"a swap on SAMPLE, whose description the reader speaks",
         {{WHITE, BLACK, false, PairCause::Refresh, sampleSpeaks}, {WHITE, BLACK, false, PairCause::Swap, sampleSpeaks}},
         100, ""},
        {"before the dialog shows, nothing", {{GREY, WHITE, true, PairCause::Palette, hidden}}, 0, ""},
    };
    for (const Case& c : cases) {
        PairPresentation presentation;
        presentation.Show(BLACK, WHITE, true, PairCause::Start, onScreen);
        EXPECT_EQ(presentation.Settle(), "") << "the start says nothing";
        PairView view;
        for (const Step& step : c.steps)
            view = presentation.Show(step.fore, step.back, step.foreground, step.cause, step.focus);
        EXPECT_EQ(view.settleMs, c.settleMs) << c.what;
        EXPECT_EQ(presentation.Settle(), c.spoken) << c.what;
        EXPECT_EQ(presentation.Settle(), "") << c.what << ": said once";
    }
}

TEST(PairPresentation, GivesEveryViewItsText)
{
    PairWords german;
    german.contrast.shown = "Kontrast %1:1";
    german.contrast.decimalPoint = ",";
    german.sample = "Text %1 auf %2, Kontrast %3:1";
    PairPresentation presentation(german);
    PairFocus vision;
    vision.visionOpen = true;
    PairView view = presentation.Show(GREY, WHITE, true, PairCause::Fix, vision);
    EXPECT_EQ(view.contrastText.substr(0, 14), "Kontrast 4,47:");
    EXPECT_EQ(view.sampleDescription, "Text #777777 auf #FFFFFF, Kontrast 4,47:1");
    EXPECT_TRUE(view.fixEnabled);
    ASSERT_EQ(view.vision.size(), VISIONS.size());
    EXPECT_TRUE(view.visionAfterFix);
    EXPECT_TRUE(view.vision[0].failsAa);
    view = presentation.Show(BLACK, WHITE, true, PairCause::Refresh, {});
    EXPECT_FALSE(view.fixEnabled) << "21:1 needs no Fix";
    EXPECT_TRUE(view.vision.empty()) << "the closed view is not computed";
}

}  // namespace
}  // namespace tonik
