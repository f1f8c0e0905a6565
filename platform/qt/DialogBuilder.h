// Builds the Qt widgets of a dialog template into a dialog: each item becomes a
// widget that knows its id, placed in pixels from dialog units with the dialog
// font, in the template's tab order, with its mnemonic working.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>

#include "platform/DialogTemplate.h"

class QIcon;

namespace tonik {

// Makes the widget of one item in place of the builder's own (custom controls).
using ControlFactory = std::function<QWidget*(const DialogItem&, QWidget* parent)>;
// Gives the icon of an icon resource id.
using IconLoader = std::function<QIcon(int resourceId)>;

struct DialogUnits {
    int baseX = 0;  // average character width of the dialog font, in pixels
    int baseY = 0;  // character height
    QPoint ToPixels(int x, int y) const { return QPoint(x * baseX / 4, y * baseY / 8); }
    // A rectangle of x, y, cx, cy units: its corners converted, so that
    // neighbouring rectangles meet without a gap.
    QRect ToPixelRect(int x, int y, int cx, int cy) const
    {
        return QRect(ToPixels(x, y), ToPixels(x + cx, y + cy) - QPoint(1, 1));
    }
};

// The font of a template, with Qt's fallback when the family is missing.
QFont DialogFont(const DialogTemplate& dialogTemplate);
DialogUnits UnitsOf(const QFont& font);

// Creates the items as children of dialog and sizes it. Returns the units used.
DialogUnits BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate,
                        const std::map<int, ControlFactory>& factories = {},
                        const IconLoader& icons = {});

}  // namespace tonik
