#pragma once

#include <QFont>

// The windows were drawn with "MS Sans Serif" and "Arial Black", which most
// systems other than Windows lack. Each font below names the original first
// and then stand-ins whose metrics keep every caption inside its rectangle.
namespace ClassicFonts {

// "MS Sans Serif" at the given size and weight.
QFont sansSerif(qreal pointSize = 8.25, QFont::Weight weight = QFont::Normal);

// "Arial Black", used by the heading of the main window.
QFont heading(qreal pointSize = 14.25);

} // namespace ClassicFonts
