// Tonik in each language it ships, from the files the build compiled: the
// dialog's and the window menu's letters unique, and every text of the
// dialog within its control.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>

#include "tests/ui/DialogTestSupport.h"
#include "ui/ContrastStrip.h"

namespace tonik {
namespace {

// Whether no two of the texts share an Alt letter.
bool LettersUnique(const QStringList& texts)
{
    QString letters;
    for (const QString& text : texts) {
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        if (mark < 0 || mark + 1 >= text.size())
            continue;
        if (letters.contains(text[mark + 1].toLower()))
            return false;
        letters += text[mark + 1].toLower();
    }
    return true;
}

// The width a control's text needs: its characters and the room its style
// gives a button's frame or a radio button's circle.
int NeededWidth(QWidget* control, const QString& text)
{
    int needed = control->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
    if (qobject_cast<QPushButton*>(control))
        needed += 2 * control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    else if (qobject_cast<QRadioButton*>(control))
        needed += control->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                  control->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
    return needed;
}

TEST_F(DialogTest, EveryLanguageHasUniqueLettersAndTextsThatFit)
{
    for (const char* language : {"", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        QTranslator translator;
        if (*language != '\0') {
            ASSERT_TRUE(translator.load(QStringLiteral(TONIK_QM_DIR "/tonik_%1.qm").arg(QLatin1String(language))));
            QCoreApplication::installTranslator(&translator);
        }
        ColorPickerDialog& dialog = Open();
        if (*language != '\0') {
            EXPECT_NE(dialog.frontButton->text(), QStringLiteral("&Front"));  // translated
        }

        QStringList dialogTexts;
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            else if (auto* group = qobject_cast<QGroupBox*>(control))
                text = group->title();
            else if (auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            if (text.isEmpty() || control->isHidden())
                continue;
            dialogTexts << text;
            EXPECT_LE(NeededWidth(control, text), control->width()) << text.toStdString();
        }
        EXPECT_TRUE(LettersUnique(dialogTexts)) << dialogTexts.join(' ').toStdString();

        QStringList menuTexts, copyAsTexts;
        for (QAction* action : dialog.SystemMenu()->actions()) {
            menuTexts << action->text();
            if (QMenu* sub = action->menu()) {
                for (QAction* form : sub->actions())
                    copyAsTexts << form->text();
            }
        }
        EXPECT_TRUE(LettersUnique(menuTexts)) << menuTexts.join(' ').toStdString();
        EXPECT_TRUE(LettersUnique(copyAsTexts)) << copyAsTexts.join(' ').toStdString();
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
}  // namespace tonik
