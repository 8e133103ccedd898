#include "help_dialog.h"

THelpDlg::THelpDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("HelpDlg");
}
