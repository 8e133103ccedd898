#include "ui/tform1.h"

#include "core/anchors.h"
#include "core/measurement.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "dialogs/dialogs.h"
#include "help/about_box.h"
#include "help/help_dialog.h"
#include "identification/contestant_code.h"
#include "identification/password_dialog.h"
#include "identification/work_folder.h"
#include "ui/apparatus_painter.h"
#include "ui/overlay_canvas.h"
#include "ui/palette.h"
#include "ui/picture_widgets.h"
#include "ui/up_down.h"
#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int WindowWidth = 680;
constexpr int ClientHeight = 822;
// The input boxes as designed, before the first activation gives them their working colour.
const QColor DesignYellow(255, 255, 0);
const QColor PanelGreen(Palette::MoneyGreen);

// Tells the program for class from the contest program at a glance.
constexpr const char* TeacherCaptionEnd = " – tanári mód";

}

TForm1::TForm1(Simulation& sim, WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      m_sim(sim),
      m_services(std::move(services)),
      m_overlayCanvas(std::make_unique<OverlayCanvas>(ApparatusVisibleSize)),
      m_pictureSaver(m_services.dialogs, m_services.workRoot.folder, [this] { return m_workFolder; },
                     [this] { return EvidenceNow(); }),
      Timer1(new QTimer(this))
{
    setObjectName("Form1");
    SetCaption("Béta sugárzás spektrumának mérése");
    QFont windowFont("MS Sans Serif");
    windowFont.setPixelSize(12);
    setFont(windowFont);

    auto* client = new QWidget(this);
    client->setObjectName("Client");
    setCentralWidget(client);
    Panel2 = MakePanel(client, "Panel2", {14, 8, 637, 801}, QColor(Palette::Teal));
    Panel2->setFrameStyle(QFrame::NoFrame);
    BuildDrawing();
    BuildFilterPanel();
    BuildMeasurementPanel();
    BuildCountPanel();
    BuildDetectorPanel();

    BuildMenus();
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    ConnectHandlers();
    FormCreate();
    m_aboutBox = new TAboutBox(this);
    m_passwordDlg = new TPasswordDlg(m_services.dialogs, this);
    m_helpDlg = new THelpDlg(this);
    // From here on the simulation shows its counters, band and tracks here.
    m_sim.view = this;
}

TForm1::~TForm1()
{
    if (m_sim.view == this)
        m_sim.view = nullptr;
}

void TForm1::FormCreate()
{
    m_activationPending = true;
    resize(WindowWidth, menuBar()->sizeHint().height() + ClientHeight);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(mapToGlobal(at)); });
}

void TForm1::BuildMenus()
{
    File1 = menuBar()->addMenu("Fájl");
    File1->setObjectName("File1");
    // The contest keeps three items hidden: the theory explains the very
    // method the contestants are to find. The teacher's program shows them.
    const bool teacher = m_services.mode == StartMode::Teacher;
    Loadsource1 = File1->addAction("Forrás választás");
    Loadsource1->setObjectName("Loadsource1");
    Loadsource1->setVisible(teacher);
    connect(Loadsource1, &QAction::triggered, this, &TForm1::Loadsource1Click);
    Kpernymentse1 = File1->addAction("Képernyő mentése");
    Kpernymentse1->setObjectName("Kpernymentse1");
    connect(Kpernymentse1, &QAction::triggered, this, [this] {
        if (SavingAllowed())
            m_pictureSaver.SaveNumberedPicture(*centralWidget());
    });
    Vge2 = File1->addAction("Vége");
    Vge2->setObjectName("Vge2");
    connect(Vge2, &QAction::triggered, this, &QWidget::close);

    Sg1 = menuBar()->addMenu("Súgó");
    Sg1->setObjectName("Sg1");
    Nvjegy1 = Sg1->addAction("Névjegy");
    Nvjegy1->setObjectName("Nvjegy1");
    Feladatok1 = Sg1->addAction("Elméleti bevezető");
    Feladatok1->setObjectName("Feladatok1");
    Feladatok1->setVisible(teacher);
    Aprogramhasznlata1 = Sg1->addAction("A program használata és Feladatok");
    Aprogramhasznlata1->setObjectName("Aprogramhasznlata1");
    Aprogramhasznlata1->setVisible(teacher);
    connect(Feladatok1, &QAction::triggered, this, [this] { m_helpDlg->ShowHelpPage(0); });
    connect(Aprogramhasznlata1, &QAction::triggered, this, [this] { m_helpDlg->ShowHelpPage(1); });

    Vge1 = menuBar()->addAction("Vége");
    Vge1->setObjectName("Vge1");
    connect(Vge1, &QAction::triggered, this, &QWidget::close);
    connect(Nvjegy1, &QAction::triggered, this, [this] { m_services.dialogs.RunModal(*m_aboutBox); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    Mentskpknt1 = PopupMenu2->addAction("Mentés képként");
    Mentskpknt1->setObjectName("Mentskpknt1");
    connect(Mentskpknt1, &QAction::triggered, this, [this] {
        if (SavingAllowed())
            m_pictureSaver.SavePictureAs(*centralWidget());
    });
}

void TForm1::BuildDrawing()
{
    Image1 = new ApparatusImage(Panel2);
    Image1->setObjectName("Image1");
    Image1->move(ApparatusPictureOrigin);
    Shape6 = MakeShape(Panel2, "Shape6", {177, 484, 30, 5}, Qt::black);
    Shape7 = MakeShape(Panel2, "Shape7", {213, 484, 30, 5}, Qt::black);
    Shape8 = MakeShape(Panel2, "Shape8", {166, 665, 86, 54}, QColor(Palette::Green));
    Image2 = new OverlayImage(*m_overlayCanvas, Panel2);
    Image2->setObjectName("Image2");
    Image2->move(ApparatusPictureOrigin);

    StaticText4 = MakeStaticText(Panel2, "StaticText4", "Blende", {258, 492, 49, 20}, Qt::white, Qt::black);
    StaticText5 = MakeStaticText(Panel2, "StaticText5", "Detektor", {282, 668, 57, 20}, Qt::white, QColor(Palette::Green));
    StaticText6 = MakeStaticText(Panel2, "StaticText6", "Wien szűrő", {48, 328, 75, 20}, Qt::white, Qt::blue);
    Panel9 = MakeStaticText(Panel2, "Panel9", "", {104, 57, 209, 25}, Qt::white, Qt::magenta);
    Panel9->setAlignment(Qt::AlignCenter);
}

void TForm1::BuildFilterPanel()
{
    Panel7 = MakePanel(Panel2, "Panel7", {408, 15, 217, 202}, PanelGreen);
    Panel7->setFont(ArialBold(13));
    QLabel* title = MakeStaticText(Panel7, "StaticText18", "ENERGIASZŰRÉS", {22, 16, 165, 26}, PanelGreen, Qt::black);
    title->setFont(ArialBold(19));
    CheckBox3 = MakeCheckBox(Panel7, "CheckBox3", {11, 51, 52, 17}, "Be/Ki", true);
    CheckBox3->setLayoutDirection(Qt::RightToLeft);
    Edit7 = MakeEdit(Panel7, "Edit7", {69, 46, 87, 24}, "0");
    SetBoxColour(Edit7, DesignYellow);
    MakeStaticText(Panel7, "StaticText19", "keV", {161, 50, 0, 0}, PanelGreen, Qt::black);
    MakeStaticText(Panel7, "StaticText10", "Mágneses indukció (B)", {46, 83, 0, 0}, PanelGreen, Qt::black);
    Edit4 = MakeEdit(Panel7, "Edit4", {65, 103, 81, 24}, "0");
    Edit4->hide();
    BField = MakeEdit(Panel7, "BField", {69, 103, 87, 24}, "0");
    SetBoxColour(BField, DesignYellow);
    UpDown4 = new UpDown(0, 100, Panel7);
    UpDown4->setObjectName("UpDown4");
    UpDown4->setGeometry(146, 103, 16, 24);
    UpDown4->hide();
    // The unit is read as microtesla: a mu before the T.
    QLabel* mu = MakeStaticText(Panel7, "StaticText1", "µ", {161, 104, 13, 23}, PanelGreen, Qt::black);
    QFont muFont = ArialBold(15);
    muFont.setBold(false);
    mu->setFont(muFont);
    MakeStaticText(Panel7, "StaticText16", "T", {174, 107, 0, 0}, PanelGreen, Qt::black);
    MakeStaticText(Panel7, "StaticText11", "Elektromos térerősség (E)", {30, 137, 0, 0}, PanelGreen, Qt::black);
    Edit5 = MakeEdit(Panel7, "Edit5", {64, 160, 96, 24}, "0");
    Edit5->hide();
    EField = MakeReadOnlyEdit(Panel7, "EField", {64, 161, 96, 24}, "0");
    EField->setFocusPolicy(Qt::ClickFocus);
    MakeStaticText(Panel7, "StaticText17", "V/m", {164, 162, 0, 0}, PanelGreen, Qt::black);
}

void TForm1::BuildMeasurementPanel()
{
    Panel5 = MakePanel(Panel2, "Panel5", {408, 228, 217, 144}, PanelGreen);
    Panel5->setFont(ArialBold(13));
    MakeTitle(Panel5, "Label3", "MÉRÉS", {72, 10});
    Button3 = MakeButton(Panel5, "Button3", {9, 41, 79, 25}, "Start");
    Button4 = MakeButton(Panel5, "Button4", {98, 42, 107, 25}, "Stop");
    // Continuing needs a measurement to continue: the first one is started with Start.
    Button4->setEnabled(false);
    CheckBox4 = MakeCheckBox(Panel5, "CheckBox4", {24, 76, 169, 17}, "Részecskék láthatók", true);
    MakeLabel(Panel5, "Label1", "Mérés ideje: ", {15, 113});
    Edit1 = MakeReadOnlyEdit(Panel5, "Edit1", {98, 110, 102, 24}, "0");
}

void TForm1::BuildCountPanel()
{
    Panel3 = MakePanel(Panel2, "Panel3", {408, 384, 218, 185}, PanelGreen);
    Panel3->setFont(ArialBold(13));
    MakeTitle(Panel3, "Label6", "RÉSZECSKÉK", {43, 9});
    MakeLabel(Panel3, "Label4", "Beállított", {15, 44});
    Edit6 = MakeEdit(Panel3, "Edit6", {90, 41, 103, 24}, "1000");
    SetBoxColour(Edit6, DesignYellow);
    CheckBox1 = MakeCheckBox(Panel3, "CheckBox1", {19, 70, 192, 17}, "Leáll a beállított számnál", false);
    MakeLabel(Panel3, "Label5", "Kibocsátott:", {14, 100});
    Edit9 = MakeReadOnlyEdit(Panel3, "Edit9", {91, 97, 102, 24}, "0");
    Button7 = MakeButton(Panel3, "Button7", {29, 142, 145, 25}, "Részecskék törlése");
}

void TForm1::BuildDetectorPanel()
{
    Panel6 = MakePanel(Panel2, "Panel6", {408, 579, 217, 208}, PanelGreen);
    Panel6->setFont(ArialBold(13));
    MakeTitle(Panel6, "Label7", "DETEKTOR", {50, 6});
    MakeStaticText(Panel6, "StaticText12", "Beütésszám", {11, 36, 0, 0}, PanelGreen, Qt::black);
    Edit8 = MakeReadOnlyEdit(Panel6, "Edit8", {99, 33, 101, 24}, "0");
    Button5 = MakeButton(Panel6, "Button5", {12, 64, 59, 25}, "Töröl");
    CheckBox5 = MakeCheckBox(Panel6, "CheckBox5", {80, 70, 125, 17}, "Indításkor töröl", true);
    MakeStaticText(Panel6, "StaticText9", "Blende (mm)", {67, 101, 0, 0}, PanelGreen, Qt::black);
    Edit3 = MakeEdit(Panel6, "Edit3", {58, 121, 81, 24}, "0");
    Edit3->hide();
    Blende3 = MakeReadOnlyEdit(Panel6, "Blende3", {60, 121, 81, 24}, "0.5");
    Blende3->setFocusPolicy(Qt::NoFocus);
    SetBoxColour(Blende3, DesignYellow);
    UpDown3 = new UpDown(MinSlitStep, MaxSlitStep, Panel6);
    UpDown3->setObjectName("UpDown3");
    UpDown3->setGeometry(139, 121, 16, 24);
    MakeStaticText(Panel6, "StaticText22", "Energiaablak szélessége (keV)", {16, 151, 197, 20}, PanelGreen,
                   Qt::black);
    Edit14 = MakeReadOnlyEdit(Panel6, "Edit14", {60, 171, 101, 23}, "0");
    QFont small = ArialBold(12);
    Edit14->setFont(small);
    MakeStaticText(Panel6, "StaticText20", "E_min (keV)", {15, 213, 0, 0}, PanelGreen, Qt::black)->hide();
    Edit12 = MakeReadOnlyEdit(Panel6, "Edit12", {98, 210, 101, 23}, "0");
    Edit12->hide();
    MakeStaticText(Panel6, "StaticText21", "E_max (keV)", {14, 238, 0, 0}, PanelGreen, Qt::black)->hide();
    Edit13 = MakeReadOnlyEdit(Panel6, "Edit13", {98, 236, 101, 23}, "0");
    Edit13->hide();
}

bool TForm1::event(QEvent* event)
{
    // Without a window manager a shown window is never activated: its first
    // showing counts as its first activation then.
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::Show && m_activationPending)
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    return QMainWindow::event(event);
}

void TForm1::FormActivate()
{
    if (!m_activationPending)
        return;
    m_activationPending = false;

    m_overlayCanvas->Clear();
    SetBoxColour(Blende3, Qt::white);
    SetBoxColour(BField, QColor(Palette::NormalColor));
    SetBoxColour(EField, Qt::white);
    SetBoxColour(Edit6, QColor(Palette::NormalColor));
    SetBoxColour(Edit7, QColor(Palette::NormalColor));
    DrawApparatus();
    // The boxes show their design values until the first entry: no energy,
    // no field, the narrowest slit.
    SetUpSimulation(m_sim, {});
    ShowSourceName(QString::fromStdString(m_sim.source.Name));

    // The jaws and the detector lie over the apparatus, the tracks over them,
    // and the labels over everything.
    for (QWidget* widget : std::initializer_list<QWidget*>{Shape6, Shape7, Shape8, Image2, StaticText4, StaticText5,
                                                           StaticText6, Panel9, Panel7, Panel5, Panel3, Panel6})
        widget->raise();

    m_overlayCanvas->SetPenColour(TrackRed);
    m_overlayCanvas->SetPenWidth(1);
    m_overlayCanvas->MoveTo(ApparatusAnchors[0].x + 1, 50);
    Timer1->start();
}

void TForm1::DrawApparatus()
{
    PaintApparatus(Image1->Picture());
    const ApparatusPlacement place = PlaceApparatusShapes(Shape7->width());
    Shape6->move(place.shape6);
    Shape8->setGeometry(place.shape8);
    SlitRightEdge = place.slitRightEdge;
    Shape7->move(place.shape7);
    StaticText4->move(place.staticText4);
    StaticText5->move(place.staticText5);
    Image1->update();
}

void TForm1::SetCaption(const QString& caption)
{
    setWindowTitle(m_services.mode == StartMode::Teacher ? caption + TeacherCaptionEnd : caption);
}

// A name wider than its place on the apparatus would lose both ends to the
// centring; it loses its end to an ellipsis instead, and shows whole as the
// label's tip and in the pictures' records.
void TForm1::ShowSourceName(const QString& name)
{
    m_sourceName = name;
    const QString shown = Panel9->fontMetrics().elidedText(name, Qt::ElideRight, Panel9->contentsRect().width());
    Panel9->setText(shown);
    Panel9->setToolTip(shown == name ? QString() : name);
}

bool TForm1::FormCloseQuery()
{
    return m_services.dialogs.AskYesNo(this, "*** MEGERŐSÍTÉS ***", "Minden el van mentve? Befejezzük? (I/N)");
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A measurement in progress ends with the program, as if Stop were pressed.
    if (m_sim.run.running)
        StopRun();
    event->accept();
}

void TForm1::ShowErrorBox(const QString& errorText)
{
    m_services.dialogs.ShowMessage(this, "***  HIBA!! ***", errorText, Dialogs::Icon::None);
}

void TForm1::ShowConversionError(const QString& message)
{
    m_services.dialogs.ShowGeneralError(this, message);
}

void TForm1::ShowWorkRootError()
{
    m_services.dialogs.ShowMessage(this, QString(WorkPlaceErrorTitle), m_services.workRoot.error, Dialogs::Icon::Error);
}

bool TForm1::SavingAllowed()
{
    // Without a usable work root a save dialog would only pretend that the
    // picture can be kept.
    if (!m_workPlaceRefusal.isEmpty()) {
        m_services.dialogs.ShowMessage(this, QString(WorkPlaceErrorTitle), m_workPlaceRefusal, Dialogs::Icon::Error);
        return false;
    }
    if (m_services.workRoot.error.isEmpty())
        return true;
    ShowWorkRootError();
    return false;
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    // Said before the code is asked, so that nobody starts working unaware
    // that nothing can be kept.
    if (!m_services.workRoot.error.isEmpty())
        ShowWorkRootError();
    if (m_services.dialogs.RunModal(*m_passwordDlg) != QDialog::Accepted) {
        m_services.endProgram();
        return;
    }
    m_contestantCode = m_passwordDlg->ContestantCode();
    SetCaption(IdentifiedCaption(m_contestantCode));
    if (!m_services.workRoot.error.isEmpty())
        return;
    const WorkPlace place = EnterWorkPlace(m_services.workRoot.folder, m_contestantCode);
    m_workFolder = place.workFolder;
    if (place.refused)
        m_workPlaceRefusal = place.error;
    m_pictureSaver.SetInitialFolder(place.dialogFolder);
    m_openDialog1.initialFolder = place.dialogFolder;
    if (!place.error.isEmpty())
        m_services.dialogs.ShowMessage(this, QString(WorkPlaceErrorTitle), place.error, Dialogs::Icon::Error);
}
