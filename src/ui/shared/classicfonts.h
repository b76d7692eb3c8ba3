#pragma once

// The forms were drawn with "MS Sans Serif" and "Arial Black", which most
// systems other than Windows lack. Maps each, where it is missing, to
// stand-ins whose metrics keep every caption inside its rectangle. The first
// form built does it; later calls change nothing.
void mapClassicFonts();

class QWidget;

// On Windows, fits the form's text to whole pixels only from top to bottom,
// at every display scale. Fitted across too, as GDI draws it at 100 %, the
// bold of an eight-point face keeps the one-pixel stems of the regular one
// and comes out no darker; hinted only vertically, as Qt draws every text
// at the other scales, it stays bold. Elsewhere FreeType's light hinting
// already does this, and the form is left as it is. For after setupUi().
void hintClassicFonts(QWidget *form);
