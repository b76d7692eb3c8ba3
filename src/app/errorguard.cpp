#include "app/errorguard.h"

void reportCommandFailure(QWidget *parent, const QString &what)
{
    QString text = QStringLiteral("La commande n'a pas pu aboutir.");
    if (!what.isEmpty())
        text += QLatin1String("\n\n") + what;
    showMessage(parent, text);
}
