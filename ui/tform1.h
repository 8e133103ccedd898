#pragma once

#include "core/measurement_view.h"
#include "ui/layout/run_handlers.h"
#include "ui/layout/settings_handlers.h"
#include "ui/layout/source_handler.h"
#include "ui/layout/window_panel.h"
#include "ui/picture_saving.h"
#include "ui/window_services.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class ApparatusImage;
class OverlayCanvas;
class OverlayImage;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class TAboutBox;
class THelpDlg;
class TPasswordDlg;
class UpDown;
struct Simulation;

// The program's working window: the apparatus with its tracks, and the
// panels of the filter, the measurement, the particle count and the detector.
class TForm1 : public QMainWindow, public MeasurementView, private WindowPanel {
    Q_OBJECT

public:
    // The window attaches itself to the simulation as its view, and detaches when it goes.
    TForm1(Simulation& sim, WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The one-time initialisation runs at the first activation only.
    void FormActivate();
    bool FormCloseQuery();   // the closing question; true to close
    void Timer1Timer();      // identification, just after the window first shows
    void Loadsource1Click(); // "Forrás választás": a source file replaces the spectrum in use

    // Measurement control.
    void Button3Click();     // Start
    void Button4Click();     // Stop, or Continue ("Folytatás") when stopped
    void Button5Click();     // detector: clear the detected count ("Töröl")
    void Button7Click();     // clear the launched count and the tracks ("Részecskék törlése")
    void CheckBox1Click();   // stop at the set count

    // Settings inputs, under the window's own names; their steps are the settings handlers'.
    void Edit3Change() { m_settings.SlitStepChanged(); }
    void Edit4Change() { m_settings.FieldStepChanged(); }
    void Edit5Change() { m_settings.ElectricStepChanged(); }
    void BFieldChange() { m_settings.FieldTyped(); }
    void BFieldExit() { m_settings.FieldEntered(); }
    void EFieldExit() { m_settings.ElectricFieldEntered(); }
    void Edit7Change() { m_settings.EnergyTyped(); }
    void Edit7Exit() { m_settings.EnergyEntered(); }
    void CheckBox3Click() { m_settings.FieldsSwitched(); }
    void Edit6Exit() { m_settings.CountEntered(); }

    QString ContestantCode() const { return m_contestantCode; }
    QString WorkFolder() const { return m_workFolder; }
    const OverlayCanvas& Overlay() const { return *m_overlayCanvas; }

    // MeasurementView
    void ShowLaunched(const RunState& run) override;
    void ShowDetected(std::int32_t detectedCount) override;
    void ShowPassBand(const std::optional<PassBand>& band) override;
    bool TracksShown() const override;
    void DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildMenus();
    void BuildDrawing();
    void BuildFilterPanel();
    void BuildMeasurementPanel();
    void BuildCountPanel();
    void BuildDetectorPanel();
    void TakeFocusAsTheTableSays();
    void ConnectHandlers();
    void DrawApparatus();
    void SetCaption(const QString& caption);
    EvidenceRecord EvidenceNow();   // what a picture saved now carries

    void RunLoop();
    void ProcessPendingEvents();

    // WindowPanel
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetEnabled(std::string_view control, bool enabled) override;
    bool Checked(std::string_view control) const override;
    void SetChecked(std::string_view control, bool checked) override;
    void SetColour(std::string_view control, std::uint32_t colour) override;
    void SetReadOnly(std::string_view control, bool readOnly) override;
    void SetShown(std::string_view control, bool shown) override;
    ControlRect Rect(std::string_view control) const override;
    void SetRect(std::string_view control, const ControlRect& rect) override;
    void ShowGeneralError(const std::string& message) override;
    void ShowRefusal(const std::string& text) override;
    void ShowSourceError(const std::string& message) override;
    void ShowSourceName(const std::string& name) override;
    void TakeFocusBack(std::string_view control) override;
    void ForgetLaunches() override;
    void ForgetDetections() override;
    void RefreshRunDisplays() override;
    CountSetting SettingNow() const override;
    QWidget* Control(std::string_view name) const;

    void ShowWorkRootError();
    bool SavingAllowed();   // false, after telling why, when there is nowhere to save
    void RefocusLater(QLineEdit* edit);
    bool PassesThrough(const QLineEdit* edit) const;   // focus on its way back to a refused field

    Simulation& m_sim;
    WindowServices m_services;
    bool m_activationPending = true;
    QString m_contestantCode;
    QString m_workFolder;
    QString m_workPlaceRefusal;   // why nothing may be saved in the contestant's folder
    // The source's whole name; the apparatus shows what fits of it.
    QString m_sourceName;
    // A refused field until it has its focus back.
    QLineEdit* m_refusedField = nullptr;

    // The program's other windows, children of this one.
    TAboutBox* m_aboutBox;
    TPasswordDlg* m_passwordDlg;
    THelpDlg* m_helpDlg;

    std::unique_ptr<OverlayCanvas> m_overlayCanvas;
    PictureSaver m_pictureSaver;
    OpenDialogRequest m_openDialog1;
    QTimer* Timer1;
    bool m_tracksShown = true;
    RunHandlers m_run{m_sim, *this};
    SettingsHandlers m_settings{m_sim, *this};
    SourceHandler m_source{m_sim, *this, m_run};
    bool m_launchesToShow = false;
    bool m_detectionsToShow = false;
    bool m_loopRunning = false;   // the particle loop is on the stack

    // The controls, by the names the window's layout gives them; tests find
    // them by the same names.
    QFrame* Panel2;
    ApparatusImage* Image1;
    OverlayImage* Image2;
    QFrame* Shape6;
    QFrame* Shape7;
    QFrame* Shape8;
    QLabel* StaticText4;
    QLabel* StaticText5;
    QLabel* StaticText6;
    QLabel* Panel9;
    QFrame* Panel7;
    QFrame* Panel5;
    QFrame* Panel3;
    QFrame* Panel6;
    QCheckBox* CheckBox3;
    QLineEdit* Edit7;
    QLineEdit* BField;
    QLineEdit* Edit4;
    UpDown* UpDown4;
    QLineEdit* Edit5;
    QLineEdit* EField;
    QPushButton* Button3;
    QPushButton* Button4;
    QCheckBox* CheckBox4;
    QLineEdit* Edit1;
    QLineEdit* Edit6;
    QCheckBox* CheckBox1;
    QLineEdit* Edit9;
    QPushButton* Button7;
    QLineEdit* Edit8;
    QPushButton* Button5;
    QCheckBox* CheckBox5;
    QLineEdit* Blende3;
    QLineEdit* Edit3;
    UpDown* UpDown3;
    QLineEdit* Edit14;
    QLineEdit* Edit12;
    QLineEdit* Edit13;
    QMenu* File1;
    QMenu* Sg1;
    QAction* Loadsource1;
    QAction* Kpernymentse1;
    QAction* Vge2;
    QAction* Nvjegy1;
    QAction* Feladatok1;
    QAction* Aprogramhasznlata1;
    QAction* Vge1;
    QMenu* PopupMenu2;
    QAction* Mentskpknt1;
};
