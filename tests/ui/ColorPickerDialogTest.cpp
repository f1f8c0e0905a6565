#include <QClipboard>
#include <QLabel>

#include "res/ResourceIds.h"
#include "tests/ui/DialogTestSupport.h"
#include "ui/ColorSwatch.h"

namespace tonik {
namespace {

std::vector<int> CacheIds(const CtlColorCache& cache)
{
    std::vector<int> ids;
    for (PtrListNode* node = cache.entries.head; node != nullptr; node = node->next)
        ids.push_back(static_cast<CtlColorEntry*>(node->data)->id);
    return ids;
}

TEST_F(DialogTest, FirstRunEditsTheBackgroundInWindowColours)
{
    ColorPickerDialog& dialog = Open();
    EXPECT_TRUE(dialog.backButton->isChecked());
    EXPECT_FALSE(dialog.frontButton->isChecked());
    for (QLineEdit* edit : {dialog.redEdit, dialog.greenEdit, dialog.blueEdit})
        EXPECT_EQ(Text(edit), "255");
    EXPECT_EQ(Text(dialog.htmlEdit), "#FFFFFF");
    for (QSlider* slider : {dialog.redSlider, dialog.greenSlider, dialog.blueSlider}) {
        EXPECT_EQ(slider->value(), 255);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 255);
        EXPECT_EQ(slider->singleStep(), 1);
        EXPECT_EQ(slider->pageStep(), 51);
        EXPECT_EQ(slider->tickInterval(), 51);
        EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
    }
    EXPECT_EQ(CacheIds(dialog.cache), (std::vector<int>{1009, 1026, 1027, 1028, 1015, 1014, 1012}));
    EXPECT_EQ(Entry(IDC_SAMPLE)->textColor, 0x000000u);
    EXPECT_EQ(Entry(IDC_SAMPLE)->bkColor, 0xFFFFFFu);
    EXPECT_EQ(Entry(IDC_RED_SLIDER)->bkColor, 0xCCCCFFu);
    EXPECT_EQ(Entry(IDC_GREEN_LABEL)->bkColor, 0xCCFFCCu);
    EXPECT_EQ(Entry(IDC_BLUE_LABEL)->bkColor, 0xFFCCCCu);

    // Sliders and labels are tinted and the sample shows its colours.
    const QImage red = dialog.GetDlgItem(IDC_RED_LABEL)->grab().toImage();
    EXPECT_EQ(red.pixelColor(1, 1), QColor(0xFF, 0xCC, 0xCC));
    const QImage slider = dialog.blueSlider->grab().toImage();
    EXPECT_EQ(slider.pixelColor(0, 0), QColor(0xCC, 0xCC, 0xFF));
    EXPECT_EQ(dialog.sample->grab().toImage().pixelColor(1, 1), QColor(255, 255, 255));
}

TEST_F(DialogTest, StoredStateFillsTheControls)
{
    colorState.foreground = 7;
    colorState.foreColor = 0x2B00CCFF;  // a palette value with its tag byte
    colorState.backColor = 0x00000000;
    ColorPickerDialog& dialog = Open();
    EXPECT_EQ(colorState.foreground, 7);  // kept until the user selects a role
    EXPECT_TRUE(dialog.frontButton->isChecked());
    EXPECT_EQ(colorState.current, 0x2B00CCFFu);
    EXPECT_EQ(Text(dialog.redEdit), "255");
    EXPECT_EQ(Text(dialog.greenEdit), "204");
    EXPECT_EQ(Text(dialog.blueEdit), "0");
    EXPECT_EQ(Text(dialog.htmlEdit), "#FFCC00");
    EXPECT_EQ(Entry(IDC_SAMPLE)->textColor, 0x00CCFFu);
}

TEST_F(DialogTest, UpdateControlsWithEverySkipBitStillWritesBackAndRecolours)
{
    ColorPickerDialog& dialog = Open();
    colorState.current = 0x00123456;
    dialog.UpdateControls(0x7F);
    EXPECT_EQ(colorState.backColor, 0x00123456u);
    EXPECT_EQ(Text(dialog.redEdit), "255");
    EXPECT_EQ(Text(dialog.htmlEdit), "#FFFFFF");
    EXPECT_EQ(dialog.redSlider->value(), 255);
    EXPECT_EQ(Entry(IDC_SAMPLE)->bkColor, 0x123456u);

    dialog.UpdateControls(0x80);  // the top bit means nothing
    EXPECT_EQ(Text(dialog.redEdit), "86");
    EXPECT_EQ(Text(dialog.greenEdit), "52");
    EXPECT_EQ(Text(dialog.blueEdit), "18");
    EXPECT_EQ(Text(dialog.htmlEdit), "#563412");
    EXPECT_EQ(dialog.greenSlider->value(), 52);
}

TEST_F(DialogTest, SelectEditedAndSwap)
{
    ColorPickerDialog& dialog = Open();
    {
        QuietWrite quiet(dialog.redEdit);
        dialog.redEdit->setText(QStringLiteral("marker"));
    }
    dialog.SelectEdited(0, false);  // already the role: nothing at all
    EXPECT_EQ(Text(dialog.redEdit), "marker");

    colorState.foreground = 5;
    colorState.foreColor = 0x000080FF;
    dialog.SelectEdited(1, false);  // 5 and 1 differ as integers
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_EQ(colorState.current, 0x000080FFu);
    EXPECT_TRUE(dialog.frontButton->isChecked());
    EXPECT_FALSE(dialog.backButton->isChecked());
    EXPECT_EQ(Text(dialog.redEdit), "255");

    colorState.backColor = 0x00112233;
    dialog.SwapColors();
    EXPECT_EQ(colorState.foreColor, 0x00112233u);
    EXPECT_EQ(colorState.backColor, 0x000080FFu);
    EXPECT_EQ(colorState.foreground, 0);
    EXPECT_EQ(colorState.current, 0x000080FFu);
    EXPECT_TRUE(dialog.backButton->isChecked());
    EXPECT_EQ(Text(dialog.htmlEdit), "#FF8000");  // the edited value stays
    EXPECT_EQ(Entry(IDC_SAMPLE)->textColor, 0x112233u);

    dialog.SwapColors();
    EXPECT_EQ(colorState.foreColor, 0x000080FFu);
    EXPECT_EQ(colorState.backColor, 0x00112233u);
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_TRUE(dialog.frontButton->isChecked());
}

TEST_F(DialogTest, NumberFieldsSetTheirChannelAndKeepWhatWasTyped)
{
    ColorPickerDialog& dialog = Open();
    colorState.current = 0x7F000000;
    dialog.UpdateControls(0);

    Type(dialog.redEdit, "255");
    EXPECT_EQ(colorState.current, 0x7F0000FFu);  // other bytes, top byte included, stay
    EXPECT_EQ(Text(dialog.htmlEdit), "#FF0000");
    EXPECT_EQ(dialog.redSlider->value(), 255);

    Type(dialog.redEdit, "256");
    EXPECT_EQ(colorState.GetChannel(Channel::Red), 0);
    EXPECT_EQ(Text(dialog.redEdit), "256");

    Type(dialog.redEdit, "");
    EXPECT_EQ(colorState.GetChannel(Channel::Red), 0);
    EXPECT_EQ(Text(dialog.redEdit), "");

    Type(dialog.greenEdit, "010");  // a leading zero reads octal
    EXPECT_EQ(colorState.GetChannel(Channel::Green), 8);
    EXPECT_EQ(Text(dialog.htmlEdit), "#000800");
    Type(dialog.greenEdit, "08");  // 0 sets 0, then 08 fails
    EXPECT_EQ(colorState.GetChannel(Channel::Green), 0);

    Type(dialog.blueEdit, "12a-x");  // digits only
    EXPECT_EQ(Text(dialog.blueEdit), "12");
    EXPECT_EQ(colorState.GetChannel(Channel::Blue), 12);
    EXPECT_EQ(colorState.backColor, colorState.current);

    // Pasted text is not filtered: it is read with the automatic radix.
    for (const auto& [pasted, value] : {std::pair{" 12", 12}, {"0x1F", 31}, {"-1", 255}}) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        dialog.blueEdit->setFocus();
        dialog.blueEdit->selectAll();
        QTest::keyClick(dialog.blueEdit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Text(dialog.blueEdit), pasted);
        EXPECT_EQ(colorState.GetChannel(Channel::Blue), value) << pasted;
    }
}

TEST_F(DialogTest, HtmlCodeFieldKeepsTheTypedText)
{
    ColorPickerDialog& dialog = Open();
    Type(dialog.htmlEdit, "ff8000");
    EXPECT_EQ(Text(dialog.htmlEdit), "ff8000");
    EXPECT_EQ(Text(dialog.redEdit), "255");
    EXPECT_EQ(Text(dialog.greenEdit), "128");
    EXPECT_EQ(Text(dialog.blueEdit), "0");
    EXPECT_EQ(dialog.greenSlider->value(), 128);
    EXPECT_EQ(colorState.backColor, 0x000080FFu);

    // Whole texts, as pasted: typed one key at a time they would pass through
    // codes that do parse.
    for (const char* ignored : {"#", "", "#GHIJKL", "#123456789"}) {
        dialog.htmlEdit->setText(QString::fromLatin1(ignored));
        EXPECT_EQ(colorState.current, 0x000080FFu) << ignored;
    }
    Type(dialog.htmlEdit, "#F");
    EXPECT_EQ(colorState.current, 0x000F0000u);
}

TEST_F(DialogTest, SafeRoundsAndRewritesEveryControl)
{
    ColorPickerDialog& dialog = Open();
    Type(dialog.htmlEdit, "191ae6");  // red 25, green 26, blue 230
    QTest::mouseClick(dialog.GetDlgItem(IDC_SAFE), Qt::LeftButton);
    EXPECT_EQ(colorState.current, 0x00FF3300u);
    EXPECT_EQ(Text(dialog.htmlEdit), "#0033FF");

    Type(dialog.htmlEdit, "0033ff");
    QTest::mouseClick(dialog.GetDlgItem(IDC_SAFE), Qt::LeftButton);
    EXPECT_EQ(Text(dialog.htmlEdit), "#0033FF");  // already safe: still rewritten
}

TEST_F(DialogTest, SlidersFollowTheThumbAndAreNeverRewrittenUnderIt)
{
    ColorPickerDialog& dialog = Open();
    QSlider* blue = dialog.blueSlider;
    blue->setSliderDown(true);  // a drag in progress
    for (int position : {200, 150, 100}) {
        blue->setSliderPosition(position);
        EXPECT_EQ(colorState.GetChannel(Channel::Blue), position);
        EXPECT_EQ(Text(dialog.blueEdit), std::to_string(position));
        EXPECT_EQ(blue->sliderPosition(), position);
        EXPECT_EQ(Entry(IDC_SAMPLE)->bkColor, colorState.current & 0xFFFFFF);
    }
    blue->setSliderDown(false);
    EXPECT_EQ(Text(dialog.htmlEdit), "#FFFF64");

    dialog.redSlider->setFocus();
    QTest::keyClick(dialog.redSlider, Qt::Key_Left);
    EXPECT_EQ(colorState.GetChannel(Channel::Red), 254);
    QTest::keyClick(dialog.redSlider, Qt::Key_PageDown);
    EXPECT_EQ(colorState.GetChannel(Channel::Red), 203);
    EXPECT_EQ(Text(dialog.redEdit), "203");
}

TEST_F(DialogTest, FrontAndBackSelectTheRoleOnce)
{
    ColorPickerDialog& dialog = Open();
    colorState.foreColor = 0x00102030;
    QTest::mouseClick(dialog.frontButton, Qt::LeftButton);
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_EQ(Text(dialog.htmlEdit), "#302010");
    {
        QuietWrite quiet(dialog.htmlEdit);
        dialog.htmlEdit->setText(QStringLiteral("marker"));
    }
    QTest::mouseClick(dialog.frontButton, Qt::LeftButton);
    EXPECT_EQ(Text(dialog.htmlEdit), "marker");  // already edited: no refresh
    QTest::mouseClick(dialog.backButton, Qt::LeftButton);
    EXPECT_EQ(colorState.foreground, 0);
    EXPECT_EQ(Text(dialog.htmlEdit), "#FFFFFF");

    // Arrow keys move between the two and select the role.
    dialog.backButton->setFocus();
    QTest::keyClick(dialog.backButton, Qt::Key_Up);
    EXPECT_TRUE(dialog.frontButton->isChecked());
    EXPECT_EQ(colorState.foreground, 1);
}

}  // namespace
}  // namespace tonik
