// The main dialog: the colour controls built from template 102, kept in step
// with the colour state. Every change takes one road: write colorState.current,
// then UpdateControls with the skip bit of the control that caused it.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>

#include "color/ColorState.h"
#include "color/CssColor.h"
#include "platform/qt/DropperRoad.h"
#include "platform/qt/TemplateDialog.h"
#include "platform/qt/Window.h"
#include "ui/CtlColorCache.h"
#include "ui/PairPresentation.h"

class QAction;
class QLabel;
class QMenu;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTimer;

namespace tonik {

class ColorSwatch;
class ColourVisionView;
class ContrastStrip;
class PortalColorPick;
class PaletteGrid;
class RightClickButton;


// The dropper cursor, loaded for the first drag; none when it could not be loaded.
extern std::optional<QCursor> dropperCursor;

class ColorPickerDialog : public TemplateDialog, public CtlColorHandler, public NotifyHandler {
public:
    // The dropper takes the road given: through the desktop portal in a
    // Wayland session, else from the X server's screen.
    explicit ColorPickerDialog(QWidget* parent = nullptr, DropperRoad road = CurrentDropperRoad());
    ~ColorPickerDialog() override;

    // Writes current into the edited colour and quietly refreshes every control
    // whose bit is not in skipMask, then recolours the sample.
    void UpdateControls(uint8_t skipMask);
    // Makes n the edited role (non-zero: foreground) and refreshes everything;
    // without force, nothing happens when n already is the role.
    void SelectEdited(int32_t n, bool force);
    // Exchanges the two colours; the edited colour keeps its value and role
    // moves to the other side.
    void SwapColors();
    // Reads the HTML code field into current (EN_CHANGE of 1006).
    void ApplyHtmlCode();
    // Rounds current to the web-safe palette and refreshes every control.
    void SnapWebSafe();
    // Shows or hides the contrast strip; hidden, the dialog has the template's size.
    void ShowContrast(bool shown);
    // Opens or closes the Colour Vision view, which follows the pair while open.
    void ShowVision(bool shown);
    // Moves current to the nearest colour readable on the other colour.
    void OnFix();
    // Puts the pair on the clipboard as CSS.
    void OnCopyCss();
    // Puts the edited colour on the clipboard in one CSS form.
    void OnCopyAs(CssFormat format);
    // Sets the edited colour, or both from a CSS rule, from the clipboard's
    // text; other text changes nothing and says so at the HTML code field.
    void OnPasteColour();

    HBRUSH OnCtlColor(ControlDC& dc, QWidget* control, unsigned type) override;
    bool OnNotify(uintptr_t wParam, NMHDR* header, intptr_t* result) override;

    // Command handlers, in the order of the message map.
    void SetChannelFromEdit(QLineEdit* edit, Channel channel, uint8_t skipBit);
    void OnHScroll(QSlider* source);
    void OnSafe();
    void OnCopy();
    void OnPal();
    void OnFront();
    void OnBack();
    // A left (right = 0) or right (right = 1) press at a point of the dialog.
    void OnButtonDown(QPoint point, int right);
    // A palette cell chosen by a press or from the keyboard: previewed, and
    // unless NO_COLOR made the text (right = 0) or background colour.
    void PickPaletteCell(int32_t value, int right);
    // A mouse move: the palette preview, or the dropper while it is active.
    void OnMouseMove(QPointF globalPosition, QPoint point);

    // The screen dropper: started by the dropper icon, ended by the release of
    // the button that started it. On the portal road the press selects the
    // colour and the release of the same button asks the portal, so that the
    // click on the icon is over before the desktop's picker takes input.
    void OnDropperClicked();
    void StartDropper();
    void OnDropperReleased(int right);
    void OnButtonUp(QPointF globalPosition, int right);
    // The desktop portal's pick on the portal road, else null.
    const PortalColorPick* PortalPick() const { return portalPick; }
    // Ends the dialog; a portal pick still pending is closed first.
    void done(int result) override;

    // System commands: the window's own and the About box's.
    static constexpr unsigned IDM_ABOUTBOX = 0x0010;
    static constexpr unsigned SC_MOVE = 0xF010;
    static constexpr unsigned SC_MINIMIZE = 0xF020;
    static constexpr unsigned SC_CLOSE = 0xF060;
    void OnSysCommand(unsigned command);
    // Opened from the keyboard, the menu starts on its first entry, which a
    // screen reader then speaks.
    void ShowSystemMenu(QPoint globalPosition, bool fromKeyboard = false);
    QMenu* SystemMenu();

    // The selection of the HTML code field as the user last made it; the
    // program's own writes clear it.
    int htmlSelectionStart = 0;
    int htmlSelectionEnd = 0;

    // Controls bound by DoDataExchange, in the order of binding.
    QLabel* sample = nullptr;
    QRadioButton* frontButton = nullptr;
    QRadioButton* backButton = nullptr;
    QSlider* blueSlider = nullptr;
    QSlider* redSlider = nullptr;
    QSlider* greenSlider = nullptr;
    QLineEdit* redEdit = nullptr;
    QLineEdit* htmlEdit = nullptr;
    QLineEdit* greenEdit = nullptr;
    QLineEdit* blueEdit = nullptr;
    QIcon bigIcon;
    QIcon smallIcon;
    PaletteGrid* paletteGrid = nullptr;
    ColorSwatch* swatch = nullptr;
    RightClickButton* dropperIcon = nullptr;
    int32_t dropperActive = 0;
    CtlColorCache cache;
    ContrastStrip* contrastStrip = nullptr;
    bool contrastShown = true;  // set before Create to start with the strip hidden
    ColourVisionView* visionView = nullptr;  // made when first opened
    bool visionShown = false;  // set before Create to start with the view open

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The second press of a double click is not a press: it swaps and picks nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The number field and slider of each channel, with their skip bits.
    struct ChannelControl {
        QLineEdit* edit;
        QSlider* slider;
        Channel channel;
        uint8_t editBit;
        uint8_t sliderBit;
    };
    std::array<ChannelControl, 3> ChannelControls() const;
    void SetUpPortalPick();
    void NameControls();
    // The pixel under the pointer by the dropper's road; NO_COLOR where there is none.
    int32_t ReadDropperPixel(QPointF globalPosition);

    // In a Wayland session the desktop portal picks; without one the dropper
    // reads Tonik's own window. Null on an X server.
    PortalColorPick* portalPick = nullptr;
    // The portal pick waits for the release of this button (1 right, 0
    // left) on the icon; -1 when none does.
    int portalPickOnRelease = -1;
    DropperRoad dropperRoad;
    bool iconSet = false;
    QMenu* systemMenu = nullptr;
    QAction* showContrastAction = nullptr;
    QAction* visionAction = nullptr;
    QSize templateSize;
    // Shows the pair in the strip, the sample's description and the Colour
    // Vision view as the presentation decides for this step of a change, and
    // waits for the change to settle before a reader hears it.
    void ShowPair(PairCause cause);
    void SpeakSettled();
    PairPresentation presentation;
    QTimer* settleTimer = nullptr;
    void SetUpSlider(QSlider* slider);
    void AddSystemMenu();
    void ConnectHandlers();
};

}  // namespace tonik
