#pragma once

#include "core/measurement_view.h"
#include "ui/picture_saving.h"
#include "ui/window_services.h"

#include <QMainWindow>

class ApparatusImage;
class OverlayCanvas;
class OverlayImage;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TAboutBox;
class THelpDlg;
class TPasswordDlg;
class UpDown;
struct Simulation;

// The program's working window: the apparatus with its tracks, and the
// panels of the filter, the measurement, the particle count and the detector.
class TForm1 : public QMainWindow, public MeasurementView {
    Q_OBJECT

public:
    TForm1(Simulation& sim, WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetDialogs(TAboutBox* aboutBox, TPasswordDlg* passwordDlg, THelpDlg* helpDlg);

    // The one-time initialisation runs at the first activation only.
    void FormActivate();
    bool FormCloseQuery();
    void Timer1Timer();

    // Measurement control.
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button7Click();
    void CheckBox1Click();

    // Settings inputs.
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void BFieldChange();
    void BFieldExit();
    void EFieldExit();
    void Edit7Change();
    void Edit7Exit();
    void CheckBox3Click();
    void Edit6Exit();

    QString ContestantCode() const { return m_contestantCode; }
    QString WorkFolder() const { return m_workFolder; }
    const OverlayCanvas& Overlay() const { return *m_overlayCanvas; }

    // MeasurementView
    void ShowLaunched(const RunState& run) override;
    void ShowDetected(std::int32_t detectedCount) override;
    void ShowPassBand(const std::string& lower, const std::string& upper, const std::string& width) override;
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
    void ConnectHandlers();
    void DrawApparatus();

    void RunLoop();
    void StopRun();
    void ContinueRun();
    void EnableSettings();
    void ProcessPendingEvents();
    void RefreshRunDisplays();

    void ShowErrorBox(const QString& errorText);
    void ShowConversionError(const QString& message);
    bool ReadInteger(const QString& text, std::int32_t& value);
    bool ReadDecimal(const QString& text, double& value);
    void RefuseEntry(QLineEdit* edit, const QString& errorText);
    void RefocusLater(QLineEdit* edit);

    Simulation& m_sim;
    WindowServices m_services;
    bool m_activationPending = true;
    bool m_runStarted = false;
    QString m_contestantCode;
    QString m_workFolder;
    QString m_errorText;

    TAboutBox* m_aboutBox = nullptr;
    TPasswordDlg* m_passwordDlg = nullptr;
    THelpDlg* m_helpDlg = nullptr;

    OverlayCanvas* m_overlayCanvas;
    PictureSaver m_pictureSaver;
    QTimer* Timer1;
    bool m_tracksShown = true;
    bool m_launchesToShow = false;
    bool m_detectionsToShow = false;

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
    QPlainTextEdit* Memo1;
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
    int SlitRightEdge = 0;
};
