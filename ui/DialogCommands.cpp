// The handlers of the main dialog's controls, but the dropper's.
#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolTip>

#include "color/ColorState.h"
#include "color/Contrast.h"
#include "color/CssColor.h"
#include "platform/qt/ScreenPixel.h"
#include "platform/qt/TemplateDialog.h"
#include "res/ResourceIds.h"
#include "support/NumberText.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ColorSwatch.h"
#include "ui/ColourVisionView.h"
#include "ui/ContrastStrip.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteTable.h"
#include "ui/RightClickButton.h"
#include "ui/SampleLabel.h"

namespace tonik {

void ColorPickerDialog::ConnectHandlers()
{
    for (const ChannelControl& c : ChannelControls()) {
        if (c.edit != nullptr)
            connect(c.edit, &QLineEdit::textChanged, this,
                    [this, c] { SetChannelFromEdit(c.edit, c.channel, c.editBit); });
        if (c.slider != nullptr)
            connect(c.slider, &QSlider::valueChanged, this, [this, c] { OnHScroll(c.slider); });
    }
    if (htmlEdit != nullptr) {
        connect(htmlEdit, &QLineEdit::textChanged, this, [this] { ApplyHtmlCode(); });
        // The field drops its selection when it loses the focus; "&Copy" still
        // copies what the user had selected there.
        connect(htmlEdit, &QLineEdit::selectionChanged, this, [this] {
            if (!htmlEdit->hasFocus())
                return;
            htmlSelectionStart = htmlEdit->hasSelectedText() ? htmlEdit->selectionStart() : 0;
            htmlSelectionEnd = htmlEdit->hasSelectedText() ? htmlEdit->selectionEnd() : 0;
        });
    }
    auto onClick = [this](int id, void (ColorPickerDialog::*handler)()) {
        if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id)))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(IDC_SAFE, &ColorPickerDialog::OnSafe);
    onClick(IDC_COPY, &ColorPickerDialog::OnCopy);
    onClick(IDC_PAL, &ColorPickerDialog::OnPal);
    if (dropperIcon != nullptr) {
        connect(dropperIcon, &RightClickButton::clicked, this, &ColorPickerDialog::OnDropperClicked);
        connect(dropperIcon, &RightClickButton::released, this, &ColorPickerDialog::OnDropperReleased);
    }
    if (contrastStrip != nullptr)
        connect(contrastStrip->fixButton, &QPushButton::clicked, this, &ColorPickerDialog::OnFix);
    if (paletteGrid != nullptr) {
        connect(paletteGrid, &PaletteGrid::cellPicked, this, &ColorPickerDialog::PickPaletteCell);
        connect(paletteGrid, &PaletteGrid::focusCellChanged, this, [this](int32_t value) {
            if (swatch != nullptr)
                swatch->SetColor(value);
        });
    }
    if (auto* swapper = qobject_cast<SampleLabel*>(sample))
        connect(swapper, &SampleLabel::swapRequested, this, &ColorPickerDialog::SwapColors);
    onClick(IDC_BACK, &ColorPickerDialog::OnBack);
    onClick(IDC_FRONT, &ColorPickerDialog::OnFront);
}

void ColorPickerDialog::SetChannelFromEdit(QLineEdit* edit, Channel channel, uint8_t skipBit)
{
    if (!IsWindowEnabled(edit))
        return;
    int32_t value = 0;
    if (!ParseInt(edit->text().toStdString().c_str(), value, RADIX_AUTO))
        return;
    colorState.SetChannel(channel, static_cast<uint8_t>(value & 0xFF));
    UpdateControls(skipBit);
}

void ColorPickerDialog::OnHScroll(QSlider* source)
{
    uint8_t mask = 0;
    for (const ChannelControl& c : ChannelControls()) {
        if (source != c.slider || !IsWindowEnabled(c.slider))
            continue;
        const auto position = static_cast<uint8_t>(c.slider->value() & 0xFF);
        if (position != colorState.GetChannel(c.channel)) {
            colorState.SetChannel(c.channel, position);
            mask |= c.sliderBit;
        }
    }
    if (mask != 0)
        UpdateControls(mask);
}

void ColorPickerDialog::OnSafe()
{
    SnapWebSafe();
}

void ColorPickerDialog::OnCopy()
{
    if (htmlEdit == nullptr)
        return;
    QString text = htmlEdit->text();
    int start = htmlSelectionStart;
    int end = htmlSelectionEnd;
    if (htmlEdit->hasFocus()) {
        start = htmlEdit->hasSelectedText() ? htmlEdit->selectionStart() : 0;
        end = htmlEdit->hasSelectedText() ? htmlEdit->selectionEnd() : 0;
    }
    if (start >= 0 && start < end && end <= text.size())
        text = text.mid(start, end - start);
    QApplication::clipboard()->setText(text);
}

void ColorPickerDialog::OnPal()
{
    QColorDialog chooser(ColorRefToQColor(colorState.current), this);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i)
        QColorDialog::setCustomColor(i, ColorRefToQColor(colorState.customColors[size_t(i)]));
    const int result = chooser.exec();
    // The custom colours come back however the chooser ended; an entry the
    // chooser left alone keeps its whole value, top byte included.
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i) {
        const uint32_t chosen = QColorToColorRef(QColorDialog::customColor(i));
        uint32_t& custom = colorState.customColors[size_t(i)];
        if (chosen != (custom & 0xFFFFFFu))
            custom = chosen;
    }
    if (result != QDialog::Accepted)
        return;
    colorState.current = QColorToColorRef(chooser.selectedColor());
    UpdateControls(0);
    ShowPair(PairCause::Chooser);
}

void ColorPickerDialog::OnFix()
{
    const std::optional<uint32_t> fixed = FixContrast(colorState.current, colorState.OtherColor());
    if (!fixed)
        return;
    colorState.current = *fixed & 0x00FFFFFFu;
    UpdateControls(0);
    ShowPair(PairCause::Fix);
}

void ColorPickerDialog::OnCopyCss()
{
    QApplication::clipboard()->setText(QString::fromStdString(ContrastCss(colorState.foreColor, colorState.backColor)));
}

void ColorPickerDialog::OnCopyAs(CssFormat format)
{
    QApplication::clipboard()->setText(QString::fromStdString(FormatCssColor(colorState.current, format)));
}

void ColorPickerDialog::OnPasteColour()
{
    const QString text = QApplication::clipboard()->text();
    const std::optional<CssPaste> paste = ParseCssPaste(text.toStdString());
    if (!paste) {
        if (htmlEdit != nullptr) {
            const QString shown = text.size() > 40 ? text.left(40) + QChar(0x2026) : text;
            QToolTip::showText(htmlEdit->mapToGlobal(QPoint(0, htmlEdit->height())),
                               QCoreApplication::translate("Dropper", "Not a CSS colour: \"%1\"").arg(shown), htmlEdit);
        }
        return;
    }
    // A colour with alpha is the one a reader sees: the text colour over the
    // background colour, the background colour over white.
    if (paste->text) {
        const SeenPair seen = SeenColors(*paste->text, *paste->background);
        colorState.foreColor = seen.text;
        colorState.backColor = seen.background;
        SelectEdited(colorState.foreground, true);
    } else {
        colorState.current = SeenColor(*paste->edited, colorState.foreground != 0 ? colorState.OtherColor() : PAGE_WHITE);
        UpdateControls(0);
    }
    if (swatch != nullptr)
        swatch->SetColor(static_cast<int32_t>(colorState.current & 0x00FFFFFFu));
    ShowPair(paste->text ? PairCause::PastePair : PairCause::Paste);
}

// A letter (Alt+F, Alt+K) chooses without moving the focus: the reader is
// told the choice, which the focused control does not speak.
void ColorPickerDialog::OnFront()
{
    SelectEdited(1, false);
    ShowPair(PairCause::Choice);
}

void ColorPickerDialog::OnBack()
{
    SelectEdited(0, false);
    ShowPair(PairCause::Choice);
}

void ColorPickerDialog::OnButtonDown(QPoint point, int right)
{
    if (sample != nullptr && sample->geometry().contains(point)) {
        SwapColors();
        return;
    }
    if (paletteGrid == nullptr || swatch == nullptr)
        return;
    const QPoint origin = paletteGrid->geometry().topLeft();
    PickPaletteCell(paletteGrid->HitTest(point.x() - origin.x(), point.y() - origin.y()), right);
}

void ColorPickerDialog::PickPaletteCell(int32_t value, int right)
{
    if (swatch != nullptr)
        swatch->SetColor(value);
    if (value == NO_COLOR)
        return;
    if (right == 0) {
        colorState.foreColor = static_cast<uint32_t>(value);
        SelectEdited(1, true);
    } else {
        colorState.backColor = static_cast<uint32_t>(value);
        SelectEdited(0, true);
    }
    ShowPair(PairCause::Palette);
}

void ColorPickerDialog::OnMouseMove(QPointF globalPosition, QPoint point)
{
    if (dropperActive != 0) {
        if (swatch != nullptr)
            swatch->SetColor(ReadDropperPixel(globalPosition));
        return;
    }
    if (paletteGrid == nullptr || swatch == nullptr)
        return;
    const QPoint origin = paletteGrid->geometry().topLeft();
    swatch->SetColor(paletteGrid->HitTest(point.x() - origin.x(), point.y() - origin.y()));
}

void ColorPickerDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        OnButtonDown(event->position().toPoint(), event->button() == Qt::RightButton ? 1 : 0);
    TemplateDialog::mousePressEvent(event);
    // A right press on the free background then opens the system menu.
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton && dropperActive == 0 && !(sample && sample->geometry().contains(point)) &&
        swatch != nullptr && swatch->color == NO_COLOR)
        ShowSystemMenu(event->globalPosition().toPoint());
}

void ColorPickerDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        OnButtonUp(event->globalPosition(), event->button() == Qt::RightButton ? 1 : 0);
    TemplateDialog::mouseReleaseEvent(event);
}

void ColorPickerDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void ColorPickerDialog::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->globalPosition(), event->position().toPoint());
    TemplateDialog::mouseMoveEvent(event);
}

}  // namespace tonik
