// Buttons and group boxes that follow the dialog manager's keyboard rules.
#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace tonik {

// A push button whose mnemonic clicks it and leaves the focus where it was;
// Enter never goes to it, the dialog handles Enter itself.
class DialogPushButton : public QPushButton {
public:
    explicit DialogPushButton(const QString& text, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

// A radio button whose mnemonic checks and clicks it, leaving the focus alone.
class DialogRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool event(QEvent* event) override;
};

// A group box; its mnemonic moves the focus to the next control of the tab order.
class MnemonicGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    QWidget* buddy = nullptr;

protected:
    bool event(QEvent* event) override;
};

}  // namespace tonik
