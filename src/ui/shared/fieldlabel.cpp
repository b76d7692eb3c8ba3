#include "fieldlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void labelField(QLabel *label, QWidget *field)
{
    // A label without an ampersand grabs no access key from its buddy.
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(label->text());
}
