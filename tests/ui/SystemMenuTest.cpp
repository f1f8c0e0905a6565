#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/DialogTestSupport.h"
#include "ui/ColorSwatch.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"
#include <QLabel>
#include "version/AboutBox.h"

namespace tonik {
namespace {

// Closes the About box as soon as it shows and records its caption and text.
struct AboutWatcher {
    AboutWatcher()
    {
        QTimer::singleShot(0, [this] {
            if (auto* box = dynamic_cast<AboutBox*>(QApplication::activeModalWidget())) {
                caption = box->windowTitle().toStdString();
                text = box->textField ? box->textField->toPlainText().toStdString() : "";
                readOnly = box->textField && box->textField->isReadOnly();
                box->done(IDOK);
            }
        });
    }
    std::string caption;
    std::string text;
    bool readOnly = false;
};

TEST_F(DialogTest, SystemMenuEndsWithTheAboutEntry)
{
    ColorPickerDialog& dialog = Open();
    const QList<QAction*> actions = dialog.SystemMenu()->actions();
    ASSERT_GE(actions.size(), 4);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text(), QStringLiteral("&About Tonik..."));
    // The window commands come in the order of a standard window menu.
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Move"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Mi&nimize"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("&Close"));
}

TEST_F(DialogTest, F1OpensTheAboutBox)
{
    ColorPickerDialog& dialog = Open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    AboutWatcher watcher;
    QTest::keyClick(dialog.redEdit, Qt::Key_F1);
    EXPECT_EQ(watcher.caption, "About ");
}

TEST_F(DialogTest, EmptySwatchAndAboutTextWearTheThemeFace)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x20, 0x22, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    QApplication::setPalette(dark);
    {
        ColorPickerDialog& dialog = Open();
        ASSERT_EQ(dialog.swatch->color, NO_COLOR);
        const QImage swatch = dialog.swatch->grab().toImage();
        EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(0x20, 0x22, 0x24));
        AboutBox box;
        EXPECT_EQ(box.backgroundColor, 0x00242220u);
        EXPECT_EQ(box.textColor, 0x00EEEEEEu);
    }
    QApplication::setPalette(light);
}

TEST_F(DialogTest, RightClickOnTheFreeBackgroundOpensTheMenu)
{
    ColorPickerDialog& dialog = Open();
    QTest::mouseClick(&dialog, Qt::RightButton, {}, dialog.sample->geometry().center());
    EXPECT_FALSE(dialog.SystemMenu()->isVisible());  // the sample swaps instead
    QTest::mouseClick(&dialog, Qt::RightButton, {}, dialog.paletteGrid->geometry().topLeft() + QPoint(1, 1));
    EXPECT_FALSE(dialog.SystemMenu()->isVisible());  // a palette cell is picked instead
    QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(dialog.width() - 3, dialog.height() - 3));
    EXPECT_TRUE(dialog.SystemMenu()->isVisible());
    dialog.SystemMenu()->hide();
}

TEST_F(DialogTest, CommandsWhoseHighBitsAre0x10OpenTheAboutBox)
{
    ColorPickerDialog& dialog = Open();
    for (unsigned command = 0x10; command <= 0x1F; ++command) {
        AboutWatcher watcher;
        dialog.OnSysCommand(command);
        EXPECT_EQ(watcher.caption, "About ") << command;  // the test program has no version block
        EXPECT_TRUE(watcher.readOnly);
    }
    for (unsigned command : {0x00u, 0x0Fu, 0x20u, 0x110u}) {
        AboutWatcher watcher;
        dialog.OnSysCommand(command);
        QApplication::processEvents();
        EXPECT_TRUE(watcher.caption.empty()) << command;
        EXPECT_TRUE(dialog.isVisible());
    }
    dialog.OnSysCommand(ColorPickerDialog::SC_CLOSE);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

TEST_F(DialogTest, AboutBoxColoursItsTextField)
{
    AboutBox box;
    box.Create();
    ASSERT_NE(box.textField, nullptr);
    ControlDC dc;
    EXPECT_EQ(box.OnCtlColor(dc, box.textField, CTLCOLOR_STATIC), box.backgroundBrush.Handle());
    EXPECT_TRUE(dc.transparent);
    EXPECT_EQ(dc.textColor, box.textColor);
    EXPECT_EQ(dc.bkColor, box.backgroundColor);
    ControlDC other;
    EXPECT_EQ(box.OnCtlColor(other, box.textField, CTLCOLOR_BTN), nullptr);
    EXPECT_EQ(box.OnCtlColor(other, box.okButton, CTLCOLOR_STATIC), nullptr);
    EXPECT_FALSE(other.textColor.has_value());
    EXPECT_EQ(box.textField->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box.textField->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(box.textField->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    // The test program has no version block of its own.
    EXPECT_EQ(box.caption, QStringLiteral("About "));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("<n/a>Built on ")));
}

}  // namespace
}  // namespace tonik
