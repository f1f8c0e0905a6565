#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>

#include "ui/ColorSwatch.h"

#include "tests/ui/DialogTestSupport.h"
#include "platform/qt/DialogBuilder.h"
#include "ui/ContrastStrip.h"
#include "ui/ColourVisionView.h"
#include <QListWidget>

namespace tonik {
namespace {

QAction* MenuEntry(ColorPickerDialog& dialog, const QString& text)
{
    for (QAction* action : dialog.SystemMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

TEST_F(DialogTest, TheStripSitsBelowTheTemplateAndHides)
{
    ColorPickerDialog& dialog = Open();
    const int stripTop = dialog.contrastStrip->geometry().top();
    // Below every item of the template, across the whole width.
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != dialog.contrastStrip) {
            EXPECT_LE(child->geometry().bottom(), stripTop) << child->metaObject()->className();
        }
    }
    EXPECT_EQ(dialog.contrastStrip->width(), dialog.width());
    EXPECT_EQ(dialog.height(), stripTop + dialog.contrastStrip->height());
    const QRect fix = dialog.contrastStrip->fixButton->geometry();
    EXPECT_GT(fix.left(), dialog.contrastStrip->label->geometry().right());  // "Fi&x" at the right end
    EXPECT_GT(fix.left(), dialog.width() * 7 / 8);
    // Below "Fi&x", the margin of 5 units the template keeps at its edges.
    const int margin = dialog.height() - 1 - dialog.contrastStrip->mapTo(&dialog, fix.bottomLeft()).y();
    EXPECT_GE(margin, UnitsOf(dialog.font()).ToPixels(0, 5).y() - 1);

    QAction* show = MenuEntry(dialog, QStringLiteral("Show Con&trast"));
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isCheckable());
    EXPECT_TRUE(show->isChecked());
    show->trigger();
    EXPECT_FALSE(dialog.contrastShown);
    EXPECT_FALSE(dialog.contrastStrip->isVisible());
    EXPECT_EQ(dialog.height(), stripTop);  // the template's own size
    show->trigger();
    EXPECT_TRUE(dialog.contrastStrip->isVisible());
    EXPECT_EQ(dialog.height(), stripTop + dialog.contrastStrip->height());
}

TEST_F(DialogTest, ScreenReadersHearTheContrastAndTheSampleCodes)
{
    colorState.foreColor = 0x00777777;
    ColorPickerDialog& dialog = Open();
    EXPECT_EQ(dialog.contrastStrip->label->accessibleName(),
              QStringLiteral("Contrast 4.47 to 1. Passes AA large. Fails AA, AAA, AAA large."));
    EXPECT_EQ(dialog.contrastStrip->label->accessibleDescription(), "");  // the name, once
    EXPECT_EQ(dialog.sample->accessibleDescription(),
              QStringLiteral("Text #777777 on background #FFFFFF, contrast 4.47:1"));
}

TEST_F(DialogTest, CopyAsCssPutsThePairOnTheClipboard)
{
    colorState.foreColor = 0x01FFFFFF;
    colorState.backColor = 0x00000080;
    ColorPickerDialog& dialog = Open();
    QAction* css = MenuEntry(dialog, QStringLiteral("Copy as CS&S"));
    ASSERT_NE(css, nullptr);
    css->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("color: #FFFFFF;\nbackground-color: #800000;\n/* contrast 10.94:1 */"));
}

TEST_F(DialogTest, EveryWindowMenuEntryHasALetterOfItsOwn)
{
    ColorPickerDialog& dialog = Open();
    for (QMenu* menu : {dialog.SystemMenu(), MenuEntry(dialog, QStringLiteral("Cop&y As"))->menu()}) {
        QString letters;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << action->text().toStdString();
            const QChar letter = action->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
            letters += letter;
        }
    }
    EXPECT_NE(MenuEntry(dialog, QStringLiteral("&Close")), nullptr);
}

TEST_F(DialogTest, PasteColourSetsTheEditedColourOrThePairAndCopyAsWritesIt)
{
    ColorPickerDialog& dialog = Open();  // the background is edited, white
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral(" #3366CC80; "));  // half opaque, over white
    QTest::keyClick(dialog.redEdit, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(dialog.htmlEdit), "#99B2E5");
    EXPECT_EQ(colorState.backColor, 0x00E5B299u);
    EXPECT_EQ(dialog.swatch->color, 0x00E5B299);
    MenuEntry(dialog, QStringLiteral("Cop&y As"))->menu()->actions()[2]->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("hsl(220 59% 74.9%)"));

    clipboard->setText(QStringLiteral("color: #FFFFFF;\nbackground-color: #800000;\n/* contrast 10.94:1 */"));
    MenuEntry(dialog, QStringLiteral("&Paste Colour"))->trigger();
    EXPECT_EQ(colorState.foreColor, 0x00FFFFFFu);
    EXPECT_EQ(colorState.backColor, 0x00000080u);
    EXPECT_EQ(dialog.contrastStrip->label->text().left(16), QStringLiteral("Contrast 10.94:1"));

    const QString junk = QStringLiteral("rgb(1 2) and then a good deal more text than fits");
    clipboard->setText(junk);
    dialog.OnPasteColour();
    EXPECT_EQ(colorState.backColor, 0x00000080u);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Not a CSS colour: \"%1\u2026\"").arg(junk.left(40)));
}

TEST_F(DialogTest, TheColourVisionViewTellsWhatFixLeft)
{
    ColorPickerDialog& dialog = Open();
    colorState.foreColor = 0x000000FF;  // red text
    dialog.SelectEdited(0, true);        // on white, the background edited
    QAction* entry = MenuEntry(dialog, "Colour &Vision");
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    ASSERT_NE(dialog.visionView, nullptr);
    ASSERT_TRUE(dialog.visionView->isVisible());
    EXPECT_TRUE(dialog.visionShown);
    // Fix reads the true colours; the view says which readers still fail.
    colorState.current = 0x00003300;
    dialog.UpdateControls(0);
    dialog.OnFix();
    EXPECT_TRUE(dialog.visionView->fixNote->isVisibleTo(dialog.visionView));
    EXPECT_EQ(dialog.visionView->fixNote->text().toStdString(), "After Fix, still failing AA: Protanopia, Achromatopsia.");
    dialog.UpdateControls(0);  // no change: the note stays
    EXPECT_TRUE(dialog.visionView->fixNote->isVisibleTo(dialog.visionView));

    // Closed by Escape, it is closed for the next run too.
    QTest::keyClick(dialog.visionView->rows, Qt::Key_Escape);
    EXPECT_FALSE(dialog.visionView->isVisible());
    EXPECT_FALSE(dialog.visionShown);
    EXPECT_FALSE(entry->isChecked());
}

}  // namespace
}  // namespace tonik
