#include "ui/ColorPickerDialog.h"

#include <algorithm>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include "color/ColorState.h"
#include "color/Contrast.h"
#include "color/HtmlCode.h"
#include "platform/qt/Announcement.h"
#include "platform/qt/DialogAccessibility.h"
#include "platform/qt/PortalColorPick.h"
#include "res/Icons.h"
#include "res/MainDialogTemplate.h"
#include "res/ResourceIds.h"
#include "support/NumberText.h"
#include "ui/ColorSwatch.h"
#include "ui/ColourVisionView.h"
#include "ui/ContrastStrip.h"
#include "ui/PaletteGrid.h"
#include "ui/RightClickButton.h"
#include "ui/SampleLabel.h"

namespace tonik {
namespace {

template <typename Control>
Control* Bind(TemplateDialog* dialog, int id)
{
    return dynamic_cast<Control*>(dialog->GetDlgItem(id));
}

void QuietSetText(QLineEdit* edit, const std::string& text)
{
    if (edit == nullptr)
        return;
    const QString value = QString::fromStdString(text);
    if (edit->text() == value)
        return;
    QuietWrite quiet(edit);
    edit->setText(value);
}

void QuietSetPosition(QSlider* slider, int position)
{
    if (slider == nullptr)
        return;
    QuietWrite quiet(slider);
    slider->setValue(position);
}

void QuietSetCheck(QRadioButton* button, bool checked)
{
    if (button == nullptr)
        return;
    QuietWrite quiet(button);
    button->setChecked(checked);
}

}  // namespace

ColorPickerDialog::ColorPickerDialog(QWidget* parent, DropperRoad road)
    : TemplateDialog(MainDialogTemplate(), parent), dropperRoad(road)
{
    bigIcon = LoadIconResource(IDR_MAINFRAME);
    smallIcon = bigIcon;
    icons = LoadIconResource;
    factories[IDC_PALETTE] = [](const DialogItem&, QWidget* parent) { return new PaletteGrid(parent); };
    factories[IDC_SWATCH] = [](const DialogItem&, QWidget* parent) { return new ColorSwatch(parent); };
    factories[IDC_DROPPER_ICON] = [](const DialogItem&, QWidget* parent) { return new RightClickButton(parent); };
    factories[IDC_SAMPLE] = [](const DialogItem&, QWidget* parent) { return new SampleLabel(parent); };
}

ColorPickerDialog::~ColorPickerDialog() = default;

void ColorPickerDialog::DoDataExchange()
{
    sample = Bind<QLabel>(this, IDC_SAMPLE);
    frontButton = Bind<QRadioButton>(this, IDC_FRONT);
    backButton = Bind<QRadioButton>(this, IDC_BACK);
    blueSlider = Bind<QSlider>(this, IDC_BLUE_SLIDER);
    redSlider = Bind<QSlider>(this, IDC_RED_SLIDER);
    greenSlider = Bind<QSlider>(this, IDC_GREEN_SLIDER);
    redEdit = Bind<QLineEdit>(this, IDC_RED_EDIT);
    htmlEdit = Bind<QLineEdit>(this, IDC_HTML_EDIT);
    greenEdit = Bind<QLineEdit>(this, IDC_GREEN_EDIT);
    blueEdit = Bind<QLineEdit>(this, IDC_BLUE_EDIT);
}

bool ColorPickerDialog::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    AddSystemMenu();

    for (QSlider* slider : {redSlider, greenSlider, blueSlider})
        SetUpSlider(slider);

    cache.RemoveAll();
    cache.owner = this;
    cache.SetColors(redSlider, 0, 0x00CCCCFF, 1);
    cache.SetColors(greenSlider, 0, 0x00CCFFCC, 1);
    cache.SetColors(blueSlider, 0, 0x00FFCCCC, 1);
    cache.SetColors(IDC_RED_LABEL, 0, 0x00CCCCFF, 1);
    cache.SetColors(IDC_GREEN_LABEL, 0, 0x00CCFFCC, 1);
    cache.SetColors(IDC_BLUE_LABEL, 0, 0x00FFCCCC, 1);

    // The sample is always filled by its brush, so what lies beneath it need
    // not be repainted with it.
    if (sample != nullptr)
        sample->setAttribute(Qt::WA_OpaquePaintEvent);

    paletteGrid = Bind<PaletteGrid>(this, IDC_PALETTE);
    swatch = Bind<ColorSwatch>(this, IDC_SWATCH);
    dropperIcon = Bind<RightClickButton>(this, IDC_DROPPER_ICON);
    NameControls();

    // The contrast strip sits below the template's controls, outside its rectangle.
    templateSize = size();
    contrastStrip = new ContrastStrip(this, MainDialogTemplate().cy, MainDialogTemplate().cx);
    ShowContrast(contrastShown);
    // The palette takes the keyboard focus after "Fi&x", and SAMPLE last of all.
    if (paletteGrid != nullptr) {
        paletteGrid->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(contrastStrip->fixButton, paletteGrid);
        if (sample != nullptr) {
            sample->setFocusPolicy(Qt::TabFocus);
            QWidget::setTabOrder(paletteGrid, sample);
        }
    }

    PairWords words{ReaderContrastWords(),
                    QCoreApplication::translate("Reader", "Text %1 on background %2, contrast %3:1").toStdString()};
    for (auto [button, name] : {std::pair{frontButton, &words.front}, std::pair{backButton, &words.back}}) {
        if (button != nullptr)
            *name = QString(button->text()).remove(QLatin1Char('&')).toStdString();
    }
    presentation = PairPresentation(std::move(words));

    if (dropperRoad == DropperRoad::Portal)
        SetUpPortalPick();

    ConnectHandlers();
    setMouseTracking(true);

    colorState.current = colorState.EditedColor();
    SelectEdited(colorState.foreground, true);
    return true;
}

void ColorPickerDialog::paintEvent(QPaintEvent* event)
{
    TemplateDialog::paintEvent(event);
    // The window icon is decoded and handed to the window system once the
    // dialog is on the screen, so that it does not delay the first paint.
    if (!iconSet) {
        iconSet = true;
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(bigIcon);
            // In a Wayland session, whether the portal can pick is asked
            // early, so that the dropper's tooltip tells before a press.
            if (portalPick != nullptr)
                portalPick->Probe();
            // The view left open last time opens once the dialog is up.
            if (visionShown)
                ShowVision(true);
        });
    }
}

void ColorPickerDialog::NameControls()
{
    // What a sighted user reads beside each control, for screen readers.
    const char* const red = QT_TRANSLATE_NOOP("Reader", "Red");
    const char* const green = QT_TRANSLATE_NOOP("Reader", "Green");
    const char* const blue = QT_TRANSLATE_NOOP("Reader", "Blue");
    const std::pair<QWidget*, const char*> names[] = {
        {redEdit, red}, {greenEdit, green}, {blueEdit, blue}, {redSlider, red}, {greenSlider, green},
        {blueSlider, blue}, {htmlEdit, QT_TRANSLATE_NOOP("Reader", "HTML Code")},
        {swatch, QT_TRANSLATE_NOOP("Reader", "Preview")}, {dropperIcon, QT_TRANSLATE_NOOP("Reader", "Dropper")},
        {sample, QT_TRANSLATE_NOOP("Reader", "Sample")},
    };
    for (const auto& [control, name] : names) {
        if (control != nullptr)
            control->setAccessibleName(QCoreApplication::translate("Reader", name));
    }
    if (QWidget* pal = GetDlgItem(IDC_PAL))
        pal->setAccessibleDescription(
            QCoreApplication::translate("Reader", "Opens the colour chooser with the custom colours"));
    NameLabelsByText(this);
    DescribeByGroupBoxes(this);
}

void ColorPickerDialog::SetUpSlider(QSlider* slider)
{
    if (slider == nullptr)
        return;
    QuietWrite quiet(slider);
    slider->setSingleStep(1);
    slider->setPageStep(51);
    slider->setTickInterval(51);
    slider->setRange(0, 255);
}

std::array<ColorPickerDialog::ChannelControl, 3> ColorPickerDialog::ChannelControls() const
{
    return {{
        {redEdit, redSlider, Channel::Red, SKIP_RED_EDIT, SKIP_RED_SLIDER},
        {greenEdit, greenSlider, Channel::Green, SKIP_GREEN_EDIT, SKIP_GREEN_SLIDER},
        {blueEdit, blueSlider, Channel::Blue, SKIP_BLUE_EDIT, SKIP_BLUE_SLIDER},
    }};
}

void ColorPickerDialog::UpdateControls(uint8_t skipMask)
{
    colorState.EditedColor() = colorState.current;
    const auto channels = ChannelControls();
    for (const auto& c : channels) {
        if (!(skipMask & c.editBit))
            QuietSetText(c.edit, UIntToText(colorState.GetChannel(c.channel), 10, 0, ' '));
    }
    if (!(skipMask & SKIP_HTML_EDIT)) {
        QuietSetText(htmlEdit, FormatHtmlCode(colorState.current));
        htmlSelectionStart = htmlSelectionEnd = 0;
    }
    for (const auto& c : channels) {
        if (!(skipMask & c.sliderBit))
            QuietSetPosition(c.slider, colorState.GetChannel(c.channel));
    }
    cache.SetColors(IDC_SAMPLE, colorState.foreColor, colorState.backColor, 1);
    constexpr uint8_t CHANNELS = SKIP_RED_EDIT | SKIP_GREEN_EDIT | SKIP_BLUE_EDIT | SKIP_RED_SLIDER |
                                 SKIP_GREEN_SLIDER | SKIP_BLUE_SLIDER;
    ShowPair((skipMask & CHANNELS) != 0       ? PairCause::Channel
             : (skipMask & SKIP_HTML_EDIT) != 0 ? PairCause::TypedCode
                                                : PairCause::Refresh);
}

void ColorPickerDialog::ShowContrast(bool shown)
{
    contrastShown = shown;
    if (showContrastAction != nullptr)
        showContrastAction->setChecked(shown);
    if (contrastStrip == nullptr)
        return;
    contrastStrip->setVisible(shown);
    setFixedSize(templateSize.width(), templateSize.height() + (shown ? contrastStrip->height() : 0));
}

void ColorPickerDialog::ShowVision(bool shown)
{
    visionShown = shown;
    if (visionAction != nullptr)
        visionAction->setChecked(shown);
    if (!shown) {
        if (visionView != nullptr)
            visionView->hide();
        return;
    }
    if (visionView == nullptr) {
        visionView = new ColourVisionView(this);
        // Closed by its own close button or Escape: closed for next time too.
        connect(visionView, &QDialog::finished, this, [this] { ShowVision(false); });
    }
    if (!visionView->isVisible()) {
        // Below the dialog, within its screen.
        visionView->adjustSize();
        QRect place(frameGeometry().bottomLeft() + QPoint(0, 8), visionView->frameGeometry().size());
        if (const QScreen* screen = this->screen()) {
            const QRect free = screen->availableGeometry();
            place.moveTopLeft({std::clamp(place.left(), free.left(), std::max(free.left(), free.right() - place.width())),
                               std::clamp(place.top(), free.top(), std::max(free.top(), free.bottom() - place.height()))});
        }
        visionView->move(place.topLeft());
    }
    visionView->show();
    ShowPair(PairCause::Start);
    visionView->raise();
    visionView->activateWindow();
}

void ColorPickerDialog::SelectEdited(int32_t n, bool force)
{
    if (!force && n == colorState.foreground)
        return;
    colorState.foreground = n;
    colorState.current = colorState.EditedColor();
    QuietSetCheck(frontButton, n != 0);
    QuietSetCheck(backButton, n == 0);
    UpdateControls(0);
}

void ColorPickerDialog::SwapColors()
{
    std::swap(colorState.foreColor, colorState.backColor);
    SelectEdited(colorState.foreground == 0 ? 1 : 0, true);
    ShowPair(PairCause::Swap);
}

void ColorPickerDialog::ApplyHtmlCode()
{
    if (!IsWindowEnabled(htmlEdit))
        return;
    uint32_t value = 0;
    if (!ParseHtmlCode(htmlEdit->text().toStdString(), value))
        return;
    colorState.current = ApplyHtmlValue(colorState.current, value);
    UpdateControls(SKIP_HTML_EDIT);
}

void ColorPickerDialog::SnapWebSafe()
{
    colorState.current = SnapToWebSafe(colorState.current);
    UpdateControls(0);
    ShowPair(PairCause::Safe);
}

HBRUSH ColorPickerDialog::OnCtlColor(ControlDC& dc, QWidget* control, unsigned type)
{
    // The dialog's default answer is "paint as usual".
    return cache.OnCtlColor(dc, control, type, nullptr);
}

}  // namespace tonik
