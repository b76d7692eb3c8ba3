#pragma once

#include <QPushButton>

// A command button of the main window. Enter presses the focused button, as
// Space does; no button is the window's default, so Enter anywhere else
// still presses none.
class FormButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
