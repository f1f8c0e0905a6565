#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "color/Contrast.h"
#include "platform/qt/ScreenPixel.h"
#include "res/ResourceIds.h"
#include "tests/ui/DialogTestSupport.h"
#include "ui/ColorSwatch.h"
#include "ui/ContrastStrip.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"
#include "ui/RightClickButton.h"

namespace tonik {
namespace {

// The centre of a palette cell in dialog coordinates.
QPoint CellCentre(ColorPickerDialog& dialog, int row, int column)
{
    const CellRect cell = PaletteCellRect(row, column, dialog.paletteGrid->width(), dialog.paletteGrid->height());
    return dialog.paletteGrid->geometry().topLeft() +
           QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, QPointF global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(DialogTest, CopyTakesTheWholeFieldOrItsSelection)
{
    ColorPickerDialog& dialog = Open();
    Type(dialog.htmlEdit, "#FF8000");
    QApplication::clipboard()->clear();
    dialog.OnCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("#FF8000"));

    dialog.htmlEdit->setFocus();
    dialog.htmlEdit->setSelection(1, 6);
    // A mouse click on "&Copy" takes the focus from the field first.
    QTest::mouseClick(dialog.GetDlgItem(IDC_COPY), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("FF8000"));

    // A new colour rewrites the field, and its old selection goes with it.
    dialog.SnapWebSafe();
    dialog.OnCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("#FF9900"));
}

TEST_F(DialogTest, PalettePressesPickAndPreview)
{
    ColorPickerDialog& dialog = Open();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(dialog, 0, 0));
    EXPECT_EQ(colorState.foreColor, 0x01FFFFFFu);  // the tag byte comes along
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_TRUE(dialog.frontButton->isChecked());
    EXPECT_EQ(dialog.swatch->color, 0x01FFFFFF);

    QTest::mouseClick(&dialog, Qt::RightButton, {}, CellCentre(dialog, 2, 13));  // FF0000
    EXPECT_EQ(colorState.backColor, PALETTE_CELLS[2 * 16 + 13]);
    EXPECT_EQ(colorState.foreground, 0);
    EXPECT_EQ(Text(dialog.htmlEdit), "#FF0000");
    EXPECT_EQ(Entry(IDC_SAMPLE)->bkColor, 0x0000FFu);

    // Off the grid and off the sample: the swatch clears, nothing else moves.
    const uint32_t fore = colorState.foreColor, back = colorState.backColor;
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(dialog.width() - 2, dialog.height() - 2));
    EXPECT_EQ(dialog.swatch->color, NO_COLOR);
    EXPECT_EQ(colorState.foreColor, fore);
    EXPECT_EQ(colorState.backColor, back);

    // The preview follows the pointer and leaves the state alone.
    QTest::mouseMove(&dialog, CellCentre(dialog, 7, 8));
    EXPECT_EQ(dialog.swatch->color, int32_t(0xFF000000));
    QTest::mouseMove(&dialog, QPoint(dialog.width() - 2, 2));
    EXPECT_EQ(dialog.swatch->color, NO_COLOR);
    EXPECT_EQ(colorState.backColor, back);
}

TEST_F(DialogTest, PressesOnTheSampleSwapWithEitherButton)
{
    colorState.foreground = 1;
    colorState.foreColor = 0x00000080;
    ColorPickerDialog& dialog = Open();
    const QPoint onSample = dialog.sample->geometry().center();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, onSample);
    EXPECT_EQ(colorState.foreColor, 0x00FFFFFFu);
    EXPECT_EQ(colorState.backColor, 0x00000080u);
    EXPECT_EQ(Text(dialog.htmlEdit), "#800000");  // the edited value is unchanged
    EXPECT_TRUE(dialog.backButton->isChecked());
    QTest::mouseClick(&dialog, Qt::RightButton, {}, onSample);
    EXPECT_EQ(colorState.foreColor, 0x00000080u);
    EXPECT_TRUE(dialog.frontButton->isChecked());
}

TEST_F(DialogTest, DoubleClicksActOnce)
{
    colorState.foreColor = 0x00000080;
    ColorPickerDialog& dialog = Open();
    // What a fast double click delivers: press, release, double click, release.
    auto doubleClick = [&](QWidget* target, Qt::MouseButton button, QPoint at) {
        QTest::mouseClick(target, button, {}, at);
        QTest::mouseDClick(target, button, {}, at);
        QTest::mouseRelease(target, button, {}, at);
    };
    doubleClick(&dialog, Qt::LeftButton, dialog.sample->geometry().center());
    EXPECT_EQ(colorState.foreColor, 0x00FFFFFFu);  // swapped once
    EXPECT_EQ(colorState.backColor, 0x00000080u);

    doubleClick(&dialog, Qt::RightButton, CellCentre(dialog, 2, 13));
    EXPECT_EQ(colorState.backColor, PALETTE_CELLS[2 * 16 + 13]);
    EXPECT_EQ(colorState.foreground, 0);

    // The dropper icon: one drag, ended by the first release.
    doubleClick(dialog.dropperIcon, Qt::LeftButton, QPoint(2, 2));
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_EQ(dialog.dropperActive, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(DialogTest, TabReachesTheCheckedRadioButtonOnly)
{
    ColorPickerDialog& dialog = Open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* safe = dialog.GetDlgItem(IDC_SAFE);
    for (QRadioButton* checked : {dialog.backButton, dialog.frontButton}) {
        dialog.SelectEdited(checked == dialog.frontButton ? 1 : 0, true);
        dialog.blueEdit->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), checked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), safe);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), checked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), dialog.blueEdit);
    }
    EXPECT_EQ(colorState.foreground, 1);  // tabbing checks nothing
}

TEST_F(DialogTest, QuietUpdatesKeepTheFocusAndTheTyping)
{
    ColorPickerDialog& dialog = Open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Type(dialog.greenEdit, "1");
    ASSERT_TRUE(dialog.greenEdit->hasFocus());

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(dialog, 0, 1));
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);   // "&Safe"
    QTest::keyClick(&dialog, Qt::Key_K, Qt::AltModifier);   // "Bac&k"
    QTest::keyClick(&dialog, Qt::Key_F, Qt::AltModifier);   // "&Front"
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_TRUE(dialog.greenEdit->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_TRUE(Text(dialog.greenEdit).back() == '7');

    QTest::keyClick(&dialog, Qt::Key_R, Qt::AltModifier);   // " &Red" moves to its slider
    EXPECT_TRUE(dialog.redSlider->hasFocus());
    QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);   // "&HTML Code" to the next tab stop
    EXPECT_TRUE(dialog.GetDlgItem(IDC_SAFE)->hasFocus());
}

TEST_F(DialogTest, EnterAndEscapeEndTheDialog)
{
    ColorPickerDialog& dialog = Open();
    Type(dialog.redEdit, "12");
    QTest::keyClick(dialog.redEdit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    QTest::keyClick(dialog.htmlEdit, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), IDCANCEL);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), IDCANCEL);

    // Enter on a focused push button presses that button instead.
    dialog.setResult(0);
    dialog.show();
    Type(dialog.htmlEdit, "191ae6");
    dialog.GetDlgItem(IDC_SAFE)->setFocus();
    QTest::keyClick(dialog.GetDlgItem(IDC_SAFE), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Text(dialog.htmlEdit), "#0033FF");
}

// Finds the open colour chooser and ends it with the given colour.
void EndChooser(bool accept, QColor color, int customIndex, QColor custom)
{
    QTimer::singleShot(0, [=] {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->testOption(QColorDialog::DontUseNativeDialog));
        QColorDialog::setCustomColor(customIndex, custom);
        chooser->setCurrentColor(color);
        if (accept)
            chooser->accept();
        else
            chooser->reject();
    });
}

TEST_F(DialogTest, ColourChooserSharesTheCustomColours)
{
    colorState.customColors[0] = 0x2B0000FF;  // a palette value keeps its tag byte
    colorState.customColors[1] = 0x00FF0000;
    ColorPickerDialog& dialog = Open();

    EndChooser(false, QColor(1, 2, 3), 5, QColor(0x11, 0x22, 0x33));
    dialog.OnPal();
    EXPECT_EQ(colorState.current, 0x00FFFFFFu);  // cancelled: the colour stays
    EXPECT_EQ(colorState.customColors[5], 0x00332211u);  // the custom colours do not
    EXPECT_EQ(colorState.customColors[0], 0x2B0000FFu);
    EXPECT_EQ(colorState.customColors[1], 0x00FF0000u);

    EndChooser(true, QColor(0x10, 0x20, 0x30), 6, QColor(0, 0, 1));
    dialog.OnPal();
    EXPECT_EQ(colorState.current, 0x00302010u);
    EXPECT_EQ(colorState.backColor, 0x00302010u);
    EXPECT_EQ(Text(dialog.htmlEdit), "#102030");
    EXPECT_EQ(colorState.customColors[6], 0x00010000u);
}

// A top-level window of one colour to pick from.
class ColourPatch : public QWidget {
public:
    ColourPatch(QColor colour, QRect geometry)
    {
        setWindowFlags(Qt::FramelessWindowHint);
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
        setAutoFillBackground(true);
        setGeometry(geometry);
        show();
        QApplication::processEvents();
    }
};

TEST_F(DialogTest, DropperPicksTheForegroundWithTheLeftButton)
{
    ColorPickerDialog& dialog = Open();
    ColourPatch red(Qt::red, QRect(700, 400, 40, 40));
    const QPoint redPoint(720, 420);
    ASSERT_EQ(ReadScreenPixel(720, 420), 0x000000FF);

    QTest::mousePress(dialog.dropperIcon, Qt::LeftButton);
    EXPECT_EQ(colorState.foreground, 1);  // selected before any move
    EXPECT_TRUE(dialog.frontButton->isChecked());
    EXPECT_EQ(dialog.dropperActive, 1);
    EXPECT_EQ(QWidget::mouseGrabber(), &dialog);

    SendMouse(&dialog, QEvent::MouseMove, dialog.mapFromGlobal(redPoint), redPoint, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(dialog.swatch->color, 0x000000FF);
    EXPECT_EQ(colorState.foreColor, 0x00000000u);  // only previewed

    // The other button neither ends nor disturbs the drag's colour.
    SendMouse(&dialog, QEvent::MouseButtonRelease, dialog.mapFromGlobal(redPoint), redPoint, Qt::RightButton, Qt::LeftButton);
    EXPECT_EQ(dialog.dropperActive, 1);

    SendMouse(&dialog, QEvent::MouseButtonRelease, dialog.mapFromGlobal(redPoint), redPoint, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.dropperActive, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(colorState.foreColor, 0x000000FFu);
    EXPECT_EQ(Text(dialog.redEdit), "255");
    EXPECT_EQ(Text(dialog.htmlEdit), "#FF0000");
    EXPECT_EQ(dialog.swatch->color, 0x000000FF);
}

TEST_F(DialogTest, DropperRightStartAndReleaseOffTheScreen)
{
    colorState.foreground = 1;
    ColorPickerDialog& dialog = Open();
    QTest::mousePress(dialog.dropperIcon, Qt::RightButton);
    EXPECT_EQ(colorState.foreground, 0);
    EXPECT_TRUE(dialog.backButton->isChecked());
    EXPECT_EQ(dialog.dropperActive, 1);

    SendMouse(&dialog, QEvent::MouseButtonRelease, {}, QPointF(5, 5), Qt::LeftButton, Qt::RightButton);
    EXPECT_EQ(dialog.dropperActive, 1);  // a left release does not end a right drag

    const QRect screen = QApplication::primaryScreen()->geometry();
    const QPointF beyond(screen.right() + 1, 10);  // one pixel past the right edge
    SendMouse(&dialog, QEvent::MouseButtonRelease, {}, beyond, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(dialog.dropperActive, 0);
    EXPECT_EQ(dialog.swatch->color, NO_COLOR);
    EXPECT_EQ(colorState.backColor, 0x00FFFFFFu);
    EXPECT_EQ(ReadScreenPixel(-1, 0), NO_COLOR);
    EXPECT_EQ(ReadScreenPixel(0, screen.height()), NO_COLOR);
}

TEST_F(DialogTest, EveryRoadThatChangesAColourUpdatesTheContrast)
{
    colorState.foreColor = 0x00777777;  // settings at start-up: 4.47:1
    ColorPickerDialog& dialog = Open();
    auto shows = [&dialog] {
        return dialog.contrastStrip->label->text().toStdString() ==
               ContrastText(ContrastRatio(colorState.foreColor, colorState.backColor));
    };
    EXPECT_EQ(dialog.contrastStrip->label->text().left(15), QStringLiteral("Contrast 4.47:1"));
    ColourPatch red(Qt::red, QRect(700, 400, 40, 40));
    const QPoint redPoint(720, 420);
    const std::vector<std::pair<const char*, std::function<void()>>> roads = {
        {"slider", [&] { dialog.redSlider->setValue(10); }},
        {"number field", [&] { Type(dialog.greenEdit, "200"); }},
        {"HTML code", [&] { Type(dialog.htmlEdit, "#123456"); }},
        {"Safe", [&] { dialog.OnSafe(); }},
        {"palette left", [&] { QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(dialog, 3, 3)); }},
        {"palette right", [&] { QTest::mouseClick(&dialog, Qt::RightButton, {}, CellCentre(dialog, 9, 9)); }},
        {"swap", [&] { QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.sample->geometry().center()); }},
        {"Pal", [&] { EndChooser(true, QColor(1, 2, 3), 0, Qt::black); dialog.OnPal(); }},
        {"dropper", [&] {
             QTest::mousePress(dialog.dropperIcon, Qt::LeftButton);
             SendMouse(&dialog, QEvent::MouseButtonRelease, dialog.mapFromGlobal(redPoint), redPoint,
                       Qt::LeftButton, Qt::NoButton);
         }},
        {"Fix", [&] { dialog.contrastStrip->fixButton->click(); }},
    };
    for (const auto& [name, road] : roads) {
        const QString before = dialog.contrastStrip->label->text();
        road();
        EXPECT_TRUE(shows()) << name;
        // A swap keeps the ratio; every other road here changes it.
        if (std::string(name) != "swap") {
            EXPECT_NE(dialog.contrastStrip->label->text(), before) << name;
        }
    }
}

TEST_F(DialogTest, FixMovesTheEditedColourAndRefreshesEveryControl)
{
    colorState.foreground = 1;
    colorState.foreColor = 0x23777777;  // a palette value with its tag
    ColorPickerDialog& dialog = Open();
    QPushButton* fix = dialog.contrastStrip->fixButton;
    EXPECT_TRUE(fix->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_X, Qt::AltModifier);  // "Fi&x"
    EXPECT_EQ(colorState.foreColor, 0x00767676u);
    EXPECT_EQ(colorState.current, 0x00767676u);
    EXPECT_EQ(Text(dialog.htmlEdit), "#767676");
    EXPECT_EQ(Text(dialog.redEdit), "118");
    EXPECT_EQ(dialog.blueSlider->value(), 118);
    EXPECT_EQ(Entry(IDC_SAMPLE)->textColor, 0x00767676u);
    EXPECT_TRUE(dialog.contrastStrip->label->text().startsWith(QStringLiteral("Contrast 4.54:1")));

    fix->click();  // 4.5 reached: on to 7
    EXPECT_EQ(colorState.foreColor, 0x00595959u);
    EXPECT_FALSE(fix->isEnabled());
    dialog.SelectEdited(0, false);  // the background moves now, against the text colour
    dialog.contrastStrip->fixButton->setEnabled(true);
    const uint32_t back = colorState.backColor;
    dialog.OnFix();  // 7 already: nothing to do
    EXPECT_EQ(colorState.backColor, back);
}

}  // namespace
}  // namespace tonik
