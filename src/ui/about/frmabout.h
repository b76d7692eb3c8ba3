#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The about dialog: the application's title and version, a description,
// the maker's name and address, and a button that starts the system's
// information tool. Modeless and without owner; one instance at a time.
// Its controls are laid out in frmabout.ui.
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    const std::unique_ptr<Ui::frmAbout> m_ui;
};
