#pragma once

// The forms were drawn with "MS Sans Serif" and "Arial Black", which most
// systems other than Windows lack. Maps each, where it is missing, to
// stand-ins whose metrics keep every caption inside its rectangle. The first
// form built does it; later calls change nothing.
void mapClassicFonts();
