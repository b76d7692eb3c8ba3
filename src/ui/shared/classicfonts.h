#pragma once

#include <functional>

class QWidget;

// The forms were drawn with "MS Sans Serif" and "Arial Black", which most
// systems other than Windows lack, and which Windows has as a bitmap font
// and not at all in Wine. Sets up a form (setupUi: its uic setup) with each
// mapped, where it is missing, to stand-ins whose metrics keep every caption
// inside its rectangle.
//
// On Windows each font the form sets up also asks for its outline stand-in
// directly, and the form's text is fitted to whole pixels only from top to
// bottom, at every display scale. Fitted across too, as GDI draws it at
// 100 %, the bold of an eight-point face keeps the one-pixel stems of the
// regular one and comes out no darker; hinted only vertically, as Qt draws
// every text at the other scales, it stays bold. Elsewhere FreeType's light
// hinting already keeps the bold.
void setUpWithClassicFonts(QWidget *form, const std::function<void()> &setupUi);
