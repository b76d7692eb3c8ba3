#include "ui/shared/fieldlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void nameBuddyAfterLabel(const QLabel *label)
{
    QWidget *field = label->buddy();
    if (!field)
        return;
    field->setAccessibleName(label->text());
    if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(label->text());
}
