// A modal dialog built from a template: the stand-in for the framework's
// dialog class. Subclasses bind controls in DoDataExchange and set them up in
// OnInitDialog; DoModal runs the dialog and returns how it ended.
#pragma once

#include <QDialog>
#include <map>

#include "platform/qt/DialogBuilder.h"
#include "platform/DialogTemplate.h"

namespace tonik {

class TemplateDialog : public QDialog {
public:
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Builds the window and initialises it, if not done yet.
    void Create();
    // Create, show modally, and return IDOK, IDCANCEL or the value passed to done().
    int DoModal();

    QWidget* GetDlgItem(int id) const;
    // Escape and the close box end the dialog with IDCANCEL.
    void reject() override;

protected:
    virtual void DoDataExchange() {}
    virtual bool OnInitDialog()
    {
        DoDataExchange();
        return true;
    }
    // Custom controls the builder makes in place of its own, by id.
    std::map<int, ControlFactory> factories;
    IconLoader icons;

    void keyPressEvent(QKeyEvent* event) override;
    // Tab to a group of radio buttons lands on its checked button, and the
    // next Tab leaves the group, as the dialog manager tabs.
    bool focusNextPrevChild(bool next) override;
    // A dialog of fixed size keeps it: moved to a monitor of another scale,
    // the window system keeps its device pixels, which would make it another
    // size in Qt's pixels (twice as large from scale 2 to 1).
    void resizeEvent(QResizeEvent* event) override;

private:
    const DialogTemplate& dialogTemplate;
    bool created = false;
};

// Marks a control as being written by the program: while the scope lasts the
// control reads as disabled to the change handlers (IsWindowEnabled), without
// losing the keyboard focus or repainting as disabled.
class QuietWrite {
public:
    explicit QuietWrite(QWidget* control);
    ~QuietWrite();
    QuietWrite(const QuietWrite&) = delete;
    QuietWrite& operator=(const QuietWrite&) = delete;

private:
    QWidget* control;
    bool wasQuiet;
};

// False for a disabled control and for one under a QuietWrite.
bool IsWindowEnabled(const QWidget* control);

}  // namespace tonik
