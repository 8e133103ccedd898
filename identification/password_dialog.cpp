#include "identification/password_dialog.h"

#include "dialogs/dialogs.h"
#include "identification/contestant_code.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QFont BoldArial()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

void Place(QWidget* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
}

}

TPasswordDlg::TPasswordDlg(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs(dialogs)
    , Label1(new QLabel(tr("Add meg az azonosítódat"), this))
    , Password(new QLineEdit(this))
    , OKBtn(new QPushButton(tr("OK"), this))
    , CancelBtn(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(tr("Azonosító beadása"));
    setFixedSize(233, 93);
    SetBackground(this, QColor(128, 128, 128));

    Place(Label1, QStringLiteral("Label1"), QRect(50, 9, 139, 14));
    Place(Password, QStringLiteral("Password"), QRect(8, 27, 217, 22));
    Place(OKBtn, QStringLiteral("OKBtn"), QRect(70, 59, 75, 25));
    Place(CancelBtn, QStringLiteral("CancelBtn"), QRect(150, 59, 75, 25));

    Label1->setFont(BoldArial());
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(labelPalette);

    Password->setFont(BoldArial());
    Password->setFocus();

    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TPasswordDlg::ContestantCode() const
{
    return contestantCode;
}

// Escape and the close button both end in reject(), so every way out passes
// through here.
void TPasswordDlg::done(int result)
{
    if (FormCloseQuery(result))
        QDialog::done(result);
}

// The dialog is shown once and the change is the same at every activation,
// so doing it when shown is enough and does not depend on the window manager
// granting activation.
void TPasswordDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TPasswordDlg::FormActivate()
{
    setWindowTitle(tr("Add meg az azonosítódat!"));
    SetBackground(this, QColor(0, 80, 80));
}

bool TPasswordDlg::FormCloseQuery(int result)
{
    if (result != Accepted)
        return true;
    if (!IsAcceptedCode(Password->text())) {
        dialogs.ShowMessage(this, tr("*** HIBA ***"), tr("Érvénytelen kód!"), Dialogs::Icon::None);
        Password->selectAll();
        Password->setFocus();
        return false;
    }
    contestantCode = TrimmedCode(Password->text());
    return true;
}
