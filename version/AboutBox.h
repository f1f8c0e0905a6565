// The About box: the product name, build kind and version, company, copyright
// and comments of Tonik's own version block, and the build time, read afresh
// from the executable each time the box is made.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/Brush.h"
#include "platform/qt/TemplateDialog.h"
#include "platform/qt/Window.h"

class QPlainTextEdit;
class QPushButton;

namespace tonik {

class AboutBox : public TemplateDialog, public CtlColorHandler {
public:
    explicit AboutBox(QWidget* parent = nullptr);

    void SetCaption(const QString& text);
    void SetText(const QString& text);
    // Composes caption and text from the running executable's version block.
    void FillFromVersion();

    HBRUSH OnCtlColor(ControlDC& dc, QWidget* control, unsigned type) override;

    QString caption;
    QString text;
    uint32_t textColor;
    uint32_t backgroundColor;
    Brush backgroundBrush;
    QPlainTextEdit* textField = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void DoDataExchange() override;
};

}  // namespace tonik
