#include "ui/main/editablelist.h"

#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>

EditableList::EditableList(QWidget *parent) : QComboBox(parent)
{
    // QComboBox::setLineEdit builds a completer on the list's entries for a
    // line edit that has none, and a line edit that comes with one keeps
    // it. The lists all lend their line edit the same idle completer and
    // take it back below: one completer is built for all of them, not one
    // each to be dropped at once.
    static QPointer<QCompleter> lent;
    if (!lent)
        lent = new QCompleter(qApp);
    auto *edit = new QLineEdit(this);
    edit->setCompleter(lent);
    // As setEditable does it.
    edit->setPalette(palette());
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
}
