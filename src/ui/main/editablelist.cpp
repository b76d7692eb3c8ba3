#include "editablelist.h"

#include <QLineEdit>

EditableList::EditableList(QWidget *parent) : QComboBox(parent)
{
    auto *edit = new QLineEdit(this);
    // As setEditable does it.
    edit->setPalette(palette());
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
}
