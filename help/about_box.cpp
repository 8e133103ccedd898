#include "help/about_box.h"

#include "help/about_data.h"
#include "ui/layout/about_texts.h"
#include "ui/layout/colours.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

// QColor takes 0xRRGGBB as an opaque colour.
const QColor MoneyGreen(Colours::MoneyGreen);
const QColor Teal(Colours::Teal);
const QColor DesignedTitleColor(Colours::DesignYellow);
const QColor NormalColor(Colours::NormalColor);

QFont BoldFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// Labels keep their designed width unless their text needs more; a cut
// number would be worse than a wider label.
void WidenToFit(QLabel* label)
{
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColor(label, QPalette::WindowText, Qt::white);
    return label;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QRect& geometry)
{
    QLabel* label = AddLabel(parent, name, text, font);
    label->setGeometry(geometry);
    WidenToFit(label);
    return label;
}

void AddCreditLine(QWidget* parent, const QString& name, const QString& text, const QPoint& position)
{
    QLabel* label = AddLabel(parent, name, text, BoldFont(QStringLiteral("Arial"), 11));
    label->move(position);
    label->adjustSize();
}

QFrame* AddPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 361, 185);
    // A sunken box is a lowered outer line with a raised inner one.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);
    panel->setAutoFillBackground(true);
    SetColor(panel, QPalette::Window, Teal);
    return panel;
}

void AddProgramIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(16, 17, 64, 64);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap::fromImage(LoadProgramPicture()));
}

void AddCredits(QWidget* parent)
{
    const Credits credits = LoadCredits();
    AddLabel(parent, QStringLiteral("CreditsHeading"), credits.heading,
             BoldFont(QStringLiteral("Arial"), 12), QRect(30, 136, 57, 15));
    AddCreditLine(parent, QStringLiteral("Label1"), credits.lines[0], QPoint(113, 112));
    AddCreditLine(parent, QStringLiteral("Label4"), credits.lines[1], QPoint(114, 130));
    AddCreditLine(parent, QStringLiteral("Label2"), credits.lines[2], QPoint(113, 145));
    AddCreditLine(parent, QStringLiteral("Label3"), credits.lines[3], QPoint(113, 163));
}

}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Névjegy"));
    setFixedSize(378, 247);
    SetColor(this, QPalette::Window, MoneyGreen);

    QFrame* panel = AddPanel(this);
    AddProgramIcon(panel);
    const QString arial = QStringLiteral("Arial");
    AddLabel(panel, QStringLiteral("ProductName"), QString::fromUtf8(AboutCompetitionLine),
             BoldFont(arial, 15), QRect(91, 15, 262, 18));
    AddLabel(panel, QStringLiteral("Version"), QString::fromUtf8(AboutTaskLine), BoldFont(arial, 12),
             QRect(119, 40, 154, 15));
    Label5 = AddLabel(panel, QStringLiteral("Label5"), QString::fromUtf8(AboutProgramLine),
                      BoldFont(QStringLiteral("Arial Narrow"), 16), QRect(98, 58, 244, 20));
    SetColor(Label5, QPalette::WindowText, DesignedTitleColor);
    Label6 = AddLabel(panel, QStringLiteral("Label6"), QString::fromUtf8(VersionLineStart), BoldFont(arial, 12),
                      QRect(155, 84, 44, 15));
    AddCredits(panel);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(167, 204, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::ShowVersion(const VersionNumbers& version)
{
    Label6->setText(VersionLine(version));
    WidenToFit(Label6);
}

// Showing covers platforms that never grant the box activation; activation
// covers the box getting the focus back while it is open.
void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TAboutBox::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TAboutBox::FormActivate()
{
    SetColor(Label5, QPalette::WindowText, NormalColor);
    ShowVersion(ReadFileVersion());
}
