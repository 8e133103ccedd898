#pragma once

#include <QDialog>

struct VersionNumbers;
class QLabel;

// The About box: the competition task, the program's title, its version
// number and the credits. Created once and shown modally whenever asked for.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Shows the version line for these numbers, widening the label so that
    // numbers of any length stay whole. The next activation shows the
    // program's own version again.
    void ShowVersion(const VersionNumbers& version);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormActivate();

    QLabel* Label5;
    QLabel* Label6;
};
