#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about dialog: the application's title and version, a description,
// the maker's name and address, and a button that starts the system's
// information tool. Modeless and without owner; one instance at a time.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // The texts the application's identity gives the dialog.
    void Load();

    // Starts the system-information tool, or says it is not available.
    void startSystemInformation();

    static QString disclaimerText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};
