#pragma once

#include <QLabel>

// A label of the main window's fields and options: the form's font in bold,
// black whatever the scheme (it stands on the form's light blue), plain
// text from the top left, wrapped.
class FormLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FormLabel(QWidget *parent = nullptr);
};
