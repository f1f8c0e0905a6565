#include <QLabel>
#include <QMouseEvent>
#include <fstream>
#include <map>
#include <random>

#include "color/HtmlCode.h"
#include "res/ResourceIds.h"
#include "support/NumberText.h"
#include "tests/ui/DialogTestSupport.h"
#include "ui/PaletteGrid.h"

namespace tonik {
namespace {

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// A hundred thousand random events against the real dialog. After each, the
// edited colour is current, the sliders and the sample show the state, and
// every field shows the state too, unless it still holds what the user typed
// there; such a text, where it reads as a number, is what the state holds.
TEST_F(DialogTest, SoakOfRandomEvents)
{
    ColorPickerDialog& dialog = Open();
    std::mt19937 random(20261208);
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    QLineEdit* const fields[] = {dialog.redEdit, dialog.greenEdit, dialog.blueEdit, dialog.htmlEdit};
    QSlider* const sliders[] = {dialog.redSlider, dialog.greenSlider, dialog.blueSlider};
    const Channel channels[] = {Channel::Red, Channel::Green, Channel::Blue};
    const QRect grid = dialog.paletteGrid->geometry();
    std::map<QLineEdit*, std::string> typed;
    auto holdsTypedText = [&typed](QLineEdit* field, const std::string& text) {
        const auto it = typed.find(field);
        return it != typed.end() && it->second == text;
    };

    // Warm up so that first-time allocations do not count as growth.
    for (QSlider* slider : sliders)
        slider->setValue(7);
    QApplication::processEvents();
    const int brushes = Brush::LiveCount();
    const long rssBefore = ResidentKilobytes();

    for (int event = 0; event < 100000; ++event) {
        switch (pick(7)) {
        case 0: {  // any text, any length, typed or pasted
            QLineEdit* typedInto = fields[pick(4)];
            // Pasted texts hold any character; typed ones the keys QTest can type.
            const bool paste = pick(2) == 0;
            std::string text(size_t(pick(12)), ' ');
            for (char& c : text)
                c = paste ? char(1 + pick(255)) : char(32 + pick(95));
            if (paste)
                typedInto->setText(QString::fromLatin1(text.data(), int(text.size())));
            else
                QTest::keyClicks(typedInto, QString::fromLatin1(text.data(), int(text.size())));
            typed[typedInto] = Text(typedInto);
            break;
        }
        case 1: sliders[pick(3)]->setValue(pick(256)); break;
        case 2: {
            const QPoint at = pick(4) == 0 ? QPoint(pick(dialog.width()), pick(dialog.height()))
                                           : grid.topLeft() + QPoint(pick(grid.width()), pick(grid.height()));
            QTest::mouseClick(&dialog, pick(2) ? Qt::LeftButton : Qt::RightButton, {}, at);
            break;
        }
        case 3: QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.sample->geometry().center()); break;
        case 4: dialog.OnSafe(); break;
        case 5: (pick(2) ? dialog.OnFront() : dialog.OnBack()); break;
        default: QTest::mouseMove(&dialog, grid.topLeft() + QPoint(pick(grid.width()), pick(grid.height()))); break;
        }
        if (event % 64 == 0)
            QApplication::processEvents();

        ASSERT_EQ(colorState.EditedColor(), colorState.current) << "event " << event;
        for (int i = 0; i < 3; ++i) {
            const uint8_t channel = colorState.GetChannel(channels[i]);
            ASSERT_EQ(sliders[i]->value(), channel) << "event " << event;
            const std::string text = Text(fields[i]);
            if (text == UIntToText(channel, 10, 0, ' '))
                continue;
            ASSERT_TRUE(holdsTypedText(fields[i], text)) << "event " << event << ": " << text;
            int32_t value = 0;
            if (ParseInt(text.c_str(), value, RADIX_AUTO)) {
                ASSERT_EQ(value & 0xFF, channel) << "event " << event << ": " << text;
            }
        }
        const std::string code = Text(dialog.htmlEdit);
        if (code != FormatHtmlCode(colorState.current)) {
            ASSERT_TRUE(holdsTypedText(dialog.htmlEdit, code)) << "event " << event << ": " << code;
            uint32_t value = 0;
            if (ParseHtmlCode(code, value)) {
                ASSERT_EQ(ApplyHtmlValue(colorState.current, value), colorState.current) << "event " << event;
            }
        }
        const CtlColorEntry* sample = Entry(IDC_SAMPLE);
        ASSERT_EQ(sample->textColor, colorState.foreColor & 0xFFFFFF);
        ASSERT_EQ(sample->bkColor, colorState.backColor & 0xFFFFFF);
    }
    QApplication::processEvents();
    EXPECT_EQ(Brush::LiveCount(), brushes);
#ifndef __SANITIZE_ADDRESS__
    // Under AddressSanitizer freed memory is held in quarantine, and
    // LeakSanitizer checks for leaks instead.
    EXPECT_LT(ResidentKilobytes() - rssBefore, 2048) << "resident memory grew";
#else
    (void)rssBefore;
#endif
}

}  // namespace
}  // namespace tonik
