#pragma once

class QString;
class QWidget;

// The program's one kind of message box: the text, a single OK button, no
// icon, the application title as caption, application-modal. Returns when
// the user has closed it.
void showMessage(QWidget *parent, const QString &text);
