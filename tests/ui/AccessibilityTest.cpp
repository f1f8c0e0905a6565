#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "color/HtmlCode.h"
#include "res/ResourceIds.h"
#include "tests/ui/DialogTestSupport.h"
#include "ui/ColorSwatch.h"
#include "ui/ContrastStrip.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"
#include "ui/RightClickButton.h"

namespace tonik {
namespace {

QString Name(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST_F(DialogTest, ScreenReadersHearEveryControlByItsName)
{
    ColorPickerDialog& dialog = Open();
    const std::pair<QWidget*, const char*> named[] = {
        {dialog.redEdit, "Red"}, {dialog.greenEdit, "Green"}, {dialog.blueEdit, "Blue"},
        {dialog.redSlider, "Red"}, {dialog.htmlEdit, "HTML Code"}, {dialog.paletteGrid, "Web-safe palette"},
        {dialog.swatch, "Preview"}, {dialog.dropperIcon, "Dropper"}, {dialog.sample, "Sample"},
        {dialog.frontButton, "Front"}, {dialog.GetDlgItem(IDC_SAFE), "Safe"},
        {dialog.GetDlgItem(IDC_RED_LABEL), "Red"},  // its text is " &Red"
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(Name(widget), QString::fromLatin1(name)) << name;
    // The group boxes' titles describe what they frame.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.blueEdit)->text(QAccessible::Description), "RGB");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.htmlEdit)->text(QAccessible::Description), "");  // named so
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.paletteGrid)->text(QAccessible::Description), "Pick");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.GetDlgItem(IDC_PAL))->text(QAccessible::Description),
              "Opens the colour chooser with the custom colours");


    // The dialog shows its visible controls: not the hidden OK and Cancel, not
    // the empty frames of the group boxes.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
    QList<QObject*> children;
    for (int i = 0; i < window->childCount(); ++i) {
        children << window->child(i)->object();
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
    }
    EXPECT_FALSE(children.contains(dialog.GetDlgItem(IDOK)));
    EXPECT_FALSE(children.contains(dialog.GetDlgItem(IDCANCEL)));
    for (QObject* child : children)
        EXPECT_EQ(qobject_cast<QGroupBox*>(child), nullptr);
    EXPECT_TRUE(children.contains(dialog.paletteGrid));
    EXPECT_TRUE(children.contains(dialog.contrastStrip));
    dialog.ShowContrast(false);
    EXPECT_EQ(window->childCount(), children.size() - 1);
}

TEST_F(DialogTest, ThePaletteWorksFromTheKeyboard)
{
    ColorPickerDialog& dialog = Open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.redSlider);  // the first focus, as ever
    PaletteGrid* grid = dialog.paletteGrid;
    dialog.contrastStrip->fixButton->setEnabled(true);
    dialog.contrastStrip->fixButton->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the last stop of the tab order
    ASSERT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(dialog.swatch->color, int32_t(PALETTE_CELLS[0]));  // the focus cell is previewed

    auto cell = [](int row, int column) { return int32_t(PALETTE_CELLS[size_t(row * PALETTE_SIZE + column)]); };
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(grid);
    const std::tuple<Qt::Key, int, int> moves[] = {
        {Qt::Key_Right, 0, 1}, {Qt::Key_Down, 1, 1}, {Qt::Key_End, 1, 15}, {Qt::Key_Right, 1, 15},
        {Qt::Key_Home, 1, 0}, {Qt::Key_Left, 1, 0}, {Qt::Key_Up, 0, 0}, {Qt::Key_Up, 0, 0}, {Qt::Key_Down, 1, 0},
    };
    for (const auto& [key, row, column] : moves) {
        QTest::keyClick(grid, key);
        EXPECT_EQ(grid->focusRow, row) << key;
        EXPECT_EQ(grid->focusColumn, column) << key;
        EXPECT_EQ(dialog.swatch->color, cell(row, column)) << key;
        EXPECT_EQ(accessible->text(QAccessible::Value).toStdString(), FormatHtmlCode(cell(row, column)));
    }

    QTest::keyClick(grid, Qt::Key_Return);  // as a left press: the text colour, tag and all
    EXPECT_EQ(colorState.foreColor, uint32_t(cell(1, 0)));
    EXPECT_EQ(colorState.foreground, 1);
    EXPECT_TRUE(dialog.isVisible());  // Enter picked; it did not end the dialog
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::ShiftModifier);  // as a right press
    EXPECT_EQ(colorState.backColor, uint32_t(cell(1, 1)));
    EXPECT_EQ(colorState.foreground, 0);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(colorState.foreColor, uint32_t(cell(1, 2)));
    EXPECT_EQ(grid, QApplication::focusWidget());

    // SAMPLE is the last stop, before the first again; Space and Enter swap.
    const std::pair<Qt::KeyboardModifiers, QWidget*> stops[] = {
        {Qt::NoModifier, dialog.sample}, {Qt::NoModifier, dialog.redSlider},
        {Qt::ShiftModifier, dialog.sample}, {Qt::ShiftModifier, grid}, {Qt::NoModifier, dialog.sample}};
    for (const auto& [modifiers, expected] : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        ASSERT_EQ(QApplication::focusWidget(), expected) << expected->accessibleName().toStdString();
    }
    const uint32_t fore = colorState.foreColor;
    QTest::keyClick(dialog.sample, Qt::Key_Space);
    EXPECT_EQ(colorState.backColor, fore);
    QTest::keyClick(dialog.sample, Qt::Key_Return);
    EXPECT_EQ(colorState.foreColor, fore);
    EXPECT_TRUE(dialog.isVisible());  // Enter swapped; it did not end the dialog
}

}  // namespace
}  // namespace tonik
