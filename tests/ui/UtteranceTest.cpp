#include "ui/Utterance.h"

#include <gtest/gtest.h>

namespace tonik {
namespace {

constexpr const char* HIGH = "Contrast 21.00 to 1.";
constexpr const char* LOW = "Contrast 1.91 to 1.";

TEST(Utterance, SaysTheWordsOnceAndTheContrastOnlyWhenItChanged)
{
    struct Case {
        const char* words;
        const char* contrastNow;
        const char* spoken;
    };
    const Case cases[] = {
        {"", LOW, LOW},                                     // a typed code
        {"Back #99CC00", LOW, "Back #99CC00. Contrast 1.91 to 1."},  // a pick
        {"Front #000000", HIGH, "Front #000000"},           // Alt+F: the ratio as it was
        {"", HIGH, ""},                                     // Up, Down in the pair
    };
    for (const Case& c : cases) {
        Utterance utterance;
        utterance.Open(HIGH);
        utterance.SetWords(c.words);
        EXPECT_EQ(utterance.Close(c.contrastNow), c.spoken) << c.words << c.contrastNow;
        EXPECT_FALSE(utterance.IsOpen());
        EXPECT_EQ(utterance.Close(c.contrastNow), "");  // said once
    }
}

TEST(Utterance, GathersTheStepsOfOneChange)
{
    Utterance utterance;
    utterance.Open(HIGH);
    utterance.SetWords("Front #000000");
    utterance.Open(LOW);  // a later step: the reader still knows the first contrast
    utterance.SetWords("Back #99CC00");
    EXPECT_EQ(utterance.Close(HIGH), "Back #99CC00");  // and back where it began

    // The focused control speaking the change leaves nothing to say, for
    // this change only.
    utterance.Open(HIGH);
    utterance.SpokenByFocus();
    utterance.SetWords("Front #FFFFFF, Back #000000");
    EXPECT_EQ(utterance.Close(LOW), "");
    utterance.Open(HIGH);
    EXPECT_EQ(utterance.Close(LOW), LOW);
}

}  // namespace
}  // namespace tonik
