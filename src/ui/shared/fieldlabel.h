#pragma once

class QLabel;
class QWidget;

// Ties a label to the field it explains, so that a screen reader announces
// the field by the label's text: the label becomes the field's buddy (a
// labelled-by relation for the reader) and the field carries its text as
// accessible name. An editable list is announced by its current text on
// some platforms, so its edit inside is named as well.
void labelField(QLabel *label, QWidget *field);
