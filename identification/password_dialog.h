#pragma once

#include <QDialog>
#include <QString>

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the contestant code or the jury code at start-up and lets only an
// accepted code through; Cancel, Escape and the close button end it at once.
class TPasswordDlg : public QDialog {
    Q_OBJECT

public:
    TPasswordDlg(Dialogs& dialogs, QWidget* parent = nullptr);

    // The accepted code without the blanks around it; empty until accepted.
    QString ContestantCode() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    bool FormCloseQuery(int result);

    Dialogs& dialogs;
    QLabel* Label1;
    QLineEdit* Password;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QString contestantCode;
};
