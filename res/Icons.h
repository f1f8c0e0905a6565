// Tonik's icons and the dropper cursor, from the program's own resources.
#pragma once

#include <QCursor>
#include <QIcon>

namespace tonik {

// Icon 130 (the program) or 132 (the dropper) with all its sizes; a null icon
// for any other id.
QIcon LoadIconResource(int id);

// Cursor 131: the dropper, hot spot (16, 15), drawn for a screen of the given
// device pixel ratio (twice the pixels from a ratio above 1).
QCursor LoadDropperCursor(qreal devicePixelRatio = 1.0);

}  // namespace tonik
