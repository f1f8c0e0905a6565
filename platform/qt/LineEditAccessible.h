// What screen readers see of a template dialog's text fields. Qt's own
// interface reports each character's text attributes as an empty run at its
// offset; Orca joins such runs into a line one character short ("25" for
// "255"). This one is Qt's, but for a run that spans the whole text, and it
// has a field brought by Tab told as focused before it selects its text.
#pragma once

#include <QAccessible>

namespace tonik {

QAccessibleInterface* LineEditAccessibleFactory(const QString& className, QObject* object);

}  // namespace tonik
