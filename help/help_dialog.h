#pragma once

#include <QDialog>

// The viewer of the two help pages.
class THelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit THelpDlg(QWidget* parent = nullptr);
};
