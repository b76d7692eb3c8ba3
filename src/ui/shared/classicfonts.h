#pragma once

// The forms were drawn with "MS Sans Serif" and "Arial Black", which most
// systems other than Windows lack. Maps each, where it is missing, to
// stand-ins whose metrics keep every caption inside its rectangle. The first
// form built does it; later calls change nothing.
void mapClassicFonts();

class QWidget;

// On Windows, for after setupUi(): the form's text is fitted to whole
// pixels only from top to bottom, at every display scale. Fitted across too,
// as GDI draws it at 100 %, the bold of an eight-point face keeps the
// one-pixel stems of the regular one and comes out no darker; hinted only
// vertically, as Qt draws every text at the other scales, it stays bold.
// And each control asks at once for the outline face the mapping above
// would give it. Elsewhere FreeType's light hinting already keeps the bold,
// and the form is left as it is.
void settleClassicFonts(QWidget *form);
