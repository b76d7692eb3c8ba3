#pragma once

#include "tagcomposer.h"

#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MultiLineBox;

// The main window: the form on which the user describes a page, the output
// box that receives the block of meta tags, four command buttons and a menu.
// Controls keep their form names as object names (Text1, Combo3, …).
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

    // The placeholder e-mail address of a fresh window.
    static QString placeholderAddress();

private:
    void buildControls();
    void buildMenu();
    void setTabOrder();

    // The hidden template fields; nothing ever changes them.
    const TagTemplates m_templates;

    QWidget *m_client = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    MultiLineBox *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
    QLineEdit *m_text5 = nullptr;
    MultiLineBox *m_text6 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QComboBox *m_combo4 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QCheckBox *m_check3 = nullptr;
    QCheckBox *m_check4 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
};
