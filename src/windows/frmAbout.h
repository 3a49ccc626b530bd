#pragma once

// The About dialog: the program's icon, title and version, a disclaimer and a notice line.
// Shown modally from the main window's menu; created for each showing.

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // owner: the window the dialog belongs to; its icon becomes the dialog's icon.
    explicit frmAbout(QWidget* owner);

private slots:
    void cmdOK_Click();

private:
    void Form_Load(QWidget* owner);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QWidget* Line1;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};
