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
        bool spokenByFocus;
        const char* spoken;
    };
    const Case cases[] = {
        {"", LOW, false, LOW},                                            // a typed code
        {"Back #99CC00", LOW, false, "Back #99CC00. Contrast 1.91 to 1."},  // a pick
        {"Front #000000", HIGH, false, "Front #000000"},                  // Alt+F: the ratio as it was
        {"", HIGH, false, ""},                                            // Up, Down in the pair
        {"Front #FFFFFF, Back #000000", LOW, true, ""},                   // SAMPLE speaks its swap
    };
    for (const Case& c : cases) {
        Utterance utterance;
        utterance.Open(HIGH);
        utterance.Open(LOW);  // a later step of the same change: the reader still knows HIGH
        if (c.spokenByFocus)
            utterance.SpokenByFocus();
        utterance.SetWords(c.words);
        EXPECT_EQ(utterance.Close(c.contrastNow), c.spoken) << c.words << c.contrastNow;
        EXPECT_EQ(utterance.Close(c.contrastNow), "");  // said once
    }
}

}  // namespace
}  // namespace tonik
