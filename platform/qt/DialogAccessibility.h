// What screen readers see of a template dialog. Its group boxes only frame
// controls that are the dialog's own children, so they would be read as empty
// panels: they are left out, and their titles describe the controls they
// frame. Hidden items (the template's OK and Cancel) are left out too.
#pragma once

#include <QAccessible>

class QWidget;

namespace tonik {

// Gives each control inside a group box's rectangle the box's title as its
// accessible description, unless it has one or is named by the title.
void DescribeByGroupBoxes(QWidget* dialog);

// Names each label of the dialog by its text without the spaces that place
// it and its mnemonic mark (" &Red" is "Red"), the name readers speak for
// the control it labels.
void NameLabelsByText(QWidget* dialog);

// Makes template dialogs show screen readers their visible controls only,
// and their text fields whole.
void InstallDialogAccessibility();

// Installs an accessible-interface factory unless it is installed already.
void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);

}  // namespace tonik
