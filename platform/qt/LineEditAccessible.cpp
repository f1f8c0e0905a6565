#include "platform/qt/LineEditAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include "platform/qt/TemplateDialog.h"

namespace tonik {
namespace {

// A field selects its text when the Tab key brings the focus, before Qt
// tells readers of the focus: Orca would speak the selection of a field it
// does not know as focused, then the field with its selection again. With a
// reader, the field is focused plainly and selects its text right after.
class SelectAfterFocus : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (event->type() != QEvent::FocusIn || edit == nullptr)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
            return false;
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(edit, &plain);
        QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus() && !edit->hasSelectedText())
                edit->selectAll();
        });
        return true;
    }
};

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText)
    {
        edit->installEventFilter(new SelectAfterFocus(edit));
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !Edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && !Edit()->isReadOnly())
            Edit()->setText(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Edit()->isReadOnly();
        s.readOnly = Edit()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // Text
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !Edit()->hasSelectedText())
            return;
        *startOffset = int(Edit()->selectionStart());
        *endOffset = int(Edit()->selectionEnd());
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            Edit()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            Edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return int(Edit()->cursorPosition()); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = Edit()->text();
        if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
            return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Edit()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString all = Edit()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        // Where the field draws its text: its contents, aligned as it aligns them.
        QStyleOptionFrame option;
        option.initFrom(Edit());
        QRect contents = Edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, Edit());
        contents = contents.marginsRemoved(Edit()->textMargins());
        const QFontMetrics metrics(Edit()->font());
        const int width = metrics.horizontalAdvance(all);
        const int left = Edit()->alignment() & Qt::AlignRight ? contents.right() - width : contents.left();
        const QRect box(left + metrics.horizontalAdvance(all.left(offset)), contents.top(),
                        metrics.horizontalAdvance(all.at(offset)), contents.height());
        return QRect(Edit()->mapToGlobal(box.topLeft()), box.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return int(Edit()->cursorPositionAt(Edit()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int startIndex, int) override { Edit()->setCursorPosition(startIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        // One run with no attributes across the whole text.
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Editable text
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        QString all = Edit()->text();
        if (startOffset < 0 || endOffset < startOffset || endOffset > all.size())
            return;
        Edit()->setText(all.replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
};

}  // namespace

QAccessibleInterface* LineEditAccessibleFactory(const QString& className, QObject* object)
{
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (edit == nullptr || className != QLatin1String("QLineEdit") ||
        dynamic_cast<TemplateDialog*>(edit->parentWidget()) == nullptr)
        return nullptr;
    return new LineEditAccessible(edit);
}

}  // namespace tonik
