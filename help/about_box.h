#pragma once

#include <QDialog>

// The About box: the competition task, the program's title and version.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
