#pragma once

#include "compose/tagcomposer.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class Form1;
}

// The main window: the form on which the user describes a page, the output
// box that receives the block of meta tags, four command buttons and a menu.
// The controls are laid out in form1.ui under their form names (Text1,
// Combo3, …); this class gives them their behaviour.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The user's entries, as the generate command reads them.
    TagRequest request() const;

    // The commands behind the buttons and menu items.
    void generate();
    void clearAll();
    void copyToClipboard();
    void quit();
    void copyNotice();
    void openAbout();

private:
    const std::unique_ptr<Ui::Form1> m_ui;
    // The hidden template fields; nothing ever changes them.
    const TagTemplates m_templates;
};
