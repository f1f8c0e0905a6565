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

// Makes template dialogs show screen readers their visible controls only.
void InstallDialogAccessibility();

// Installs an accessible-interface factory unless it is installed already.
void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);

}  // namespace tonik
