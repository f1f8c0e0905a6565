// What screen readers are told of a change of the pair that the control
// they are on does not speak: gathered in the dialog's utterance while the
// change settles, then announced once.
#include <QRadioButton>
#include <QTimer>

#include "color/HtmlCode.h"
#include "platform/qt/Announcement.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ContrastStrip.h"

namespace tonik {

void ColorPickerDialog::OpenUtterance(int settleMs)
{
    if (contrastStrip == nullptr)
        return;
    utterance.Open(contrastStrip->SpokenText().toStdString());
    if (utteranceTimer == nullptr) {
        utteranceTimer = new QTimer(this);
        utteranceTimer->setSingleShot(true);
        connect(utteranceTimer, &QTimer::timeout, this, &ColorPickerDialog::SpeakUtterance);
    }
    utteranceTimer->start(settleMs);
}

void ColorPickerDialog::SayWords(const QString& words)
{
    if (!isVisible())
        return;
    OpenUtterance(CHANGE_SETTLED_MS);
    utterance.SetWords(words.toStdString());
}

QString ColorPickerDialog::ColourWords(bool both) const
{
    auto words = [](const QRadioButton* button, uint32_t color) {
        const QString name = button != nullptr ? QString(button->text()).remove(QLatin1Char('&')) : QString();
        return QStringLiteral("%1 %2").arg(name, QString::fromStdString(FormatHtmlCode(color)));
    };
    if (both)
        return words(frontButton, colorState.foreColor) + QStringLiteral(", ") + words(backButton, colorState.backColor);
    return colorState.foreground != 0 ? words(frontButton, colorState.foreColor) : words(backButton, colorState.backColor);
}

void ColorPickerDialog::SpeakUtterance()
{
    const std::string text = utterance.Close(contrastStrip != nullptr ? contrastStrip->SpokenText().toStdString() : "");
    if (!text.empty())
        AnnounceToReaders(this, QString::fromStdString(text));
}

}  // namespace tonik
