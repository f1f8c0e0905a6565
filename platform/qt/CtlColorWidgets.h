// Controls that ask their dialog for colours each time they paint, as dialog
// controls do: a brush for the background and a text colour.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

namespace tonik {

// A static control: text (with mnemonics) or an image.
class CtlColorLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A trackbar.
class CtlColorSlider : public QSlider {
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A single-line edit control.
class CtlColorLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A multi-line edit control; read-only ones ask as statics do.
class CtlColorTextEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tonik
