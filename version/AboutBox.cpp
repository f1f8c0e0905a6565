#include "version/AboutBox.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/DlgTemplateReader.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "version/AboutTemplate.h"
#include "version/AboutText.h"

namespace tonik {
namespace {

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate dialogTemplate = [] {
        DialogTemplate result;
        ReadDlgTemplate(ABOUT_TEMPLATE.data(), ABOUT_TEMPLATE.size(), result);
        return result;
    }();
    return dialogTemplate;
}

// The text field shows lines; the text keeps its "\r\n" for the clipboard's sake
// only as the field gives it back.
QString ForDisplay(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : TemplateDialog(AboutDialogTemplate(), parent),
      // The field wears the dialog's own face and text colours, so that it
      // follows a dark theme as the dialog does.
      textColor(QColorToColorRef(palette().color(QPalette::WindowText))),
      backgroundColor(QColorToColorRef(palette().color(QPalette::Window))),
      backgroundBrush(Brush::CreateSolid(backgroundColor))
{
    // Icon 128 is not among Tonik's resources: the box shows Tonik's own icon.
    icons = [](int id) { return LoadIconResource(id == IDI_ABOUT_ICON ? int(IDR_MAINFRAME) : id); };
    FillFromVersion();
}

void AboutBox::FillFromVersion()
{
    VersionInfo info;
    info.LoadFromModule(nullptr);
    AboutWords words;
    words.about = QCoreApplication::translate("About", "About ").toStdString();
    words.builtOn = QCoreApplication::translate("About", "Built on %Y-%b-%d %H:%M:%S").toStdString();
    const AboutText about = ComposeAboutText(info, words);
    SetCaption(QString::fromStdString(about.caption));
    SetText(QString::fromStdString(about.text));
}

void AboutBox::SetCaption(const QString& value)
{
    caption = value;
    if (textField != nullptr)
        setWindowTitle(caption);
}

void AboutBox::SetText(const QString& value)
{
    text = value;
    if (textField != nullptr)
        textField->setPlainText(ForDisplay(text));
}

void AboutBox::DoDataExchange()
{
    textField = dynamic_cast<QPlainTextEdit*>(GetDlgItem(IDC_ABOUT_TEXT));
    okButton = dynamic_cast<QPushButton*>(GetDlgItem(IDOK));
    // The template's only word; the builder translates it as it does every
    // template text, and this names it for the translators.
    if (okButton != nullptr)
        okButton->setText(QCoreApplication::translate("Dialog", "OK"));
    setWindowTitle(caption);
    if (textField != nullptr) {
        textField->setPlainText(ForDisplay(text));
        // Read-only, but the user may select and copy the text.
        textField->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

HBRUSH AboutBox::OnCtlColor(ControlDC& dc, QWidget* control, unsigned type)
{
    if ((type == CTLCOLOR_MSGBOX || type == CTLCOLOR_EDIT || type == CTLCOLOR_STATIC) &&
        GetDlgCtrlID(control) == IDC_ABOUT_TEXT) {
        dc.SetBkModeTransparent();
        dc.SetTextColor(textColor);
        dc.SetBkColor(backgroundColor);
        return backgroundBrush.Handle();
    }
    return nullptr;
}

}  // namespace tonik
