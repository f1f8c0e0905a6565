// The pair as the views show it and a reader hears it, one step of a change
// at a time, as the dialog's presentation decides.
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "platform/qt/Announcement.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ColourVisionView.h"
#include "ui/ContrastStrip.h"

namespace tonik {

void ColorPickerDialog::ShowPair(PairCause cause)
{
    PairFocus focus;
    focus.onScreen = isVisible();
    const QRadioButton* chosen = colorState.foreground != 0 ? frontButton : backButton;
    focus.choiceFocused = chosen != nullptr && chosen->hasFocus();
    focus.sampleSpeaks = DESCRIPTION_CHANGES_SPOKEN && sample != nullptr && sample->hasFocus();
    focus.visionOpen = visionView != nullptr && visionView->isVisible();
    const PairView view =
        presentation.Show(colorState.foreColor, colorState.backColor, colorState.foreground != 0, cause, focus);
    if (contrastStrip != nullptr)
        contrastStrip->Show(view);
    if (focus.visionOpen)
        visionView->Show(view);
    const QString description = QString::fromStdString(view.sampleDescription);
    if (sample != nullptr && sample->accessibleDescription() != description)
        sample->setAccessibleDescription(description);
    if (view.settleMs <= 0)
        return;
    if (settleTimer == nullptr) {
        settleTimer = new QTimer(this);
        settleTimer->setSingleShot(true);
        connect(settleTimer, &QTimer::timeout, this, &ColorPickerDialog::SpeakSettled);
    }
    settleTimer->start(view.settleMs);
}

void ColorPickerDialog::SpeakSettled()
{
    const std::string text = presentation.Settle();
    if (!text.empty())
        AnnounceToReaders(this, QString::fromStdString(text));
}

}  // namespace tonik
