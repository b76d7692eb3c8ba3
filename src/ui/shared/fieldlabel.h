#pragma once

class QLabel;

// Has a screen reader announce the field a label explains (its buddy, which
// the form sets: a labelled-by relation for the reader) by the label's text:
// the field carries that text as accessible name. An editable list is
// announced by its current text on some platforms, so its edit inside is
// named as well. A label without a buddy changes nothing.
void nameBuddyAfterLabel(const QLabel *label);
