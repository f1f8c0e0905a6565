#include "color/ColorVision.h"

#include <gtest/gtest.h>

#include "color/Contrast.h"
#include "tests/color/Fixtures.h"

namespace tonik {
namespace {

TEST(ColorVision, PairsAreSeenAsCuloriSeesThem)
{
    const auto rows = Fixture("vision.tsv");
    ASSERT_EQ(rows.size(), 300u);
    const Vision visions[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia, Vision::Achromatopsia};
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 14u);
        const uint32_t text = Code(row[0]), background = Code(row[1]);
        for (size_t i = 0; i < 4; ++i) {
            const std::string what = row[0] + " on " + row[1] + " as " + VisionName(visions[i]);
            const VisionPair seen = SeePair(text, background, visions[i]);
            ExpectNear(seen.text, Code(row[2 + 3 * i]), what);
            ExpectNear(seen.background, Code(row[3 + 3 * i]), what);
            EXPECT_NEAR(seen.ratio, std::stod(row[4 + 3 * i]), 0.005) << what;
        }
    }
}

}  // namespace
}  // namespace tonik
