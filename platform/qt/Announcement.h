// Words for screen readers that no control holds: a change the focused
// control does not speak itself.
#pragma once

#include <QtGlobal>

class QString;
class QWidget;

namespace tonik {

// Whether readers are told a control's new description with its text, and
// so speak it for the focused control: Qt 6.4's AT-SPI bridge sends the
// change without its text, and Orca drops it.
constexpr bool DESCRIPTION_CHANGES_SPOKEN = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

// Has screen readers speak text, once, as said by window's application.
void AnnounceToReaders(QWidget* window, const QString& text);

}  // namespace tonik
