#pragma once

#include <QComboBox>

// A list of the main window that also takes a typed text, kept as typed: no
// completion, nothing added to the list. It is editable from the start, so
// its popup is built the first time it opens: QComboBox::setEditable builds
// the popup at once, for each list, whether it ever opens or not.
class EditableList : public QComboBox
{
    Q_OBJECT

public:
    explicit EditableList(QWidget *parent = nullptr);
};
