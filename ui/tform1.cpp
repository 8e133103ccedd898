#include "ui/tform1.h"

#include "core/anchors.h"
#include "core/measurement.h"
#include "core/particle.h"
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
#include "ui/layout/window_layout.h"
#include "ui/layout/window_texts.h"
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
    SetCaption(WindowCaption);
    QFont windowFont("MS Sans Serif");
    windowFont.setPixelSize(12);
    setFont(windowFont);

    auto* client = new QWidget(this);
    client->setObjectName("Client");
    setCentralWidget(client);
    Panel2 = MakePanel(client, "Panel2");
    Panel2->setFrameStyle(QFrame::NoFrame);
    BuildDrawing();
    BuildFilterPanel();
    BuildMeasurementPanel();
    BuildCountPanel();
    BuildDetectorPanel();
    TakeFocusAsTheTableSays();

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
    resize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
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
    Image1->move(LayoutGeometry("Image1").topLeft());
    Shape6 = MakeShape(Panel2, "Shape6");
    Shape7 = MakeShape(Panel2, "Shape7");
    Shape8 = MakeShape(Panel2, "Shape8");
    Image2 = new OverlayImage(*m_overlayCanvas, Panel2);
    Image2->setObjectName("Image2");
    Image2->move(LayoutGeometry("Image2").topLeft());

    StaticText4 = MakeStaticText(Panel2, "StaticText4");
    StaticText5 = MakeStaticText(Panel2, "StaticText5");
    StaticText6 = MakeStaticText(Panel2, "StaticText6");
    Panel9 = MakeStaticText(Panel2, "Panel9");
    Panel9->setAlignment(Qt::AlignCenter);
}

void TForm1::BuildFilterPanel()
{
    Panel7 = MakePanel(Panel2, "Panel7");
    Panel7->setFont(ArialBold(13));
    QLabel* title = MakeStaticText(Panel7, "StaticText18");
    title->setFont(ArialBold(19));
    CheckBox3 = MakeCheckBox(Panel7, "CheckBox3");
    CheckBox3->setLayoutDirection(Qt::RightToLeft);
    Edit7 = MakeEdit(Panel7, "Edit7");
    MakeStaticText(Panel7, "StaticText19");
    MakeStaticText(Panel7, "StaticText10");
    Edit4 = MakeEdit(Panel7, "Edit4");
    BField = MakeEdit(Panel7, "BField");
    UpDown4 = new UpDown(0, MaxFieldStepperPosition, Panel7);
    UpDown4->setObjectName("UpDown4");
    UpDown4->setGeometry(LayoutGeometry("UpDown4"));
    UpDown4->setHidden(!Place("UpDown4").shown);
    // The unit is read as microtesla: a mu before the T.
    QLabel* mu = MakeStaticText(Panel7, "StaticText1");
    QFont muFont = ArialBold(15);
    muFont.setBold(false);
    mu->setFont(muFont);
    MakeStaticText(Panel7, "StaticText16");
    MakeStaticText(Panel7, "StaticText11");
    Edit5 = MakeEdit(Panel7, "Edit5");
    EField = MakeEdit(Panel7, "EField");
    MakeStaticText(Panel7, "StaticText17");
}

void TForm1::BuildMeasurementPanel()
{
    Panel5 = MakePanel(Panel2, "Panel5");
    Panel5->setFont(ArialBold(13));
    MakeTitle(Panel5, "Label3");
    Button3 = MakeButton(Panel5, "Button3");
    Button4 = MakeButton(Panel5, "Button4");
    CheckBox4 = MakeCheckBox(Panel5, "CheckBox4");
    MakeLabel(Panel5, "Label1");
    Edit1 = MakeEdit(Panel5, "Edit1");
}

void TForm1::BuildCountPanel()
{
    Panel3 = MakePanel(Panel2, "Panel3");
    Panel3->setFont(ArialBold(13));
    MakeTitle(Panel3, "Label6");
    MakeLabel(Panel3, "Label4");
    Edit6 = MakeEdit(Panel3, "Edit6");
    CheckBox1 = MakeCheckBox(Panel3, "CheckBox1");
    MakeLabel(Panel3, "Label5");
    Edit9 = MakeEdit(Panel3, "Edit9");
    Button7 = MakeButton(Panel3, "Button7");
}

void TForm1::BuildDetectorPanel()
{
    Panel6 = MakePanel(Panel2, "Panel6");
    Panel6->setFont(ArialBold(13));
    MakeTitle(Panel6, "Label7");
    MakeStaticText(Panel6, "StaticText12");
    Edit8 = MakeEdit(Panel6, "Edit8");
    Button5 = MakeButton(Panel6, "Button5");
    CheckBox5 = MakeCheckBox(Panel6, "CheckBox5");
    MakeStaticText(Panel6, "StaticText9");
    Edit3 = MakeEdit(Panel6, "Edit3");
    Blende3 = MakeEdit(Panel6, "Blende3");
    UpDown3 = new UpDown(MinSlitStep, MaxSlitStep, Panel6);
    UpDown3->setObjectName("UpDown3");
    UpDown3->setGeometry(LayoutGeometry("UpDown3"));
    MakeStaticText(Panel6, "StaticText22");
    Edit14 = MakeEdit(Panel6, "Edit14");
    QFont small = ArialBold(12);
    Edit14->setFont(small);
    MakeStaticText(Panel6, "StaticText20");
    Edit12 = MakeEdit(Panel6, "Edit12");
    MakeStaticText(Panel6, "StaticText21");
    Edit13 = MakeEdit(Panel6, "Edit13");
}

// The controls were made in the table's order, which is the order Tab goes in.
void TForm1::TakeFocusAsTheTableSays()
{
    for (const ControlPlace& place : WindowLayout()) {
        const FocusTaking focus = Focus(place);
        Control(place.name)->setFocusPolicy(focus == FocusTaking::ByTab     ? Qt::StrongFocus
                                            : focus == FocusTaking::ByClick ? Qt::ClickFocus
                                                                            : Qt::NoFocus);
    }
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
    for (const ActivatedColour& box : ActivatedBoxColours())
        SetColour(box.name, box.colour);
    DrawApparatus();
    // The boxes show their design values until the first entry: no energy,
    // no field, the narrowest slit.
    SetUpSimulation(m_sim, {});
    ShowSourceName(m_sim.source.Name);

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
    const ApparatusWidgetPlaces place = PlaceApparatusWidgets(Shape7->width());
    Shape6->move(place.shape6);
    Shape8->setGeometry(place.shape8);
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
void TForm1::ShowSourceName(const std::string& source)
{
    const QString name = QString::fromStdString(source);
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
        m_run.Stop(m_services.clock.steady());
    event->accept();
}

void TForm1::ShowWorkRootError()
{
    m_services.dialogs.ShowMessage(this, QString(WorkPlaceErrorTitle), m_services.workRoot.error, Dialogs::Icon::Error);
}

bool TForm1::SavingAllowed()
{
    if (m_workPlaceRefusal.isEmpty() && !m_workFolder.isEmpty())
        m_workPlaceRefusal = ContestantFolderRefusal(m_services.workRoot.folder, m_contestantCode);
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
