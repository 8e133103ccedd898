#include "ui/tform1.h"

#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"
#include "ui/layout/window_texts.h"
#include "ui/overlay_canvas.h"
#include "ui/picture_widgets.h"
#include "ui/up_down.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

void TForm1::Button3Click()
{
    std::int32_t count = 0;
    if (!ReadInteger(Edit6->text(), count))
        return;
    Edit12->clear();
    Edit13->clear();
    Edit14->setText(BandNotYetText);
    Button7Click();
    if (CheckBox5->isChecked())
        Button5Click();
    const bool detectorEmpty = m_sim.run.detectedCount == 0;
    Button4->setEnabled(true);
    Button4->setText(StopCaption);
    Button3->setEnabled(false);
    BeginMeasurement(m_sim, {.setCount = count,
                             .stopAtSetCount = CheckBox1->isChecked(),
                             .clearDetector = CheckBox5->isChecked()},
                     m_services.clock.steady());
    m_countOrigin = OriginOfStart(m_sim, SettingNow(), CheckBox5->isChecked(), detectorEmpty);
    EnableSettings();
    Edit1->setText(RunningText);
    RunLoop();
}

void TForm1::Button4Click()
{
    if (m_sim.run.running)
        StopRun();
    else
        ContinueRun();
}

void TForm1::StopRun()
{
    StopMeasurement(m_sim.run, m_services.clock.steady());
    EnableSettings();
    ::ShowPassBand(m_sim);
    Button4->setText(ContinueCaption);
    Button3->setEnabled(true);
    RefreshRunDisplays();
    Edit1->setText(QString::fromStdString(ElapsedTimeText(m_sim.run.accumulatedTime)));
}

void TForm1::ContinueRun()
{
    const Continuation continuation = ContinueMeasurement(m_sim.run, m_services.clock.steady());
    if (continuation == Continuation::Refused)
        return;
    if (continuation == Continuation::ContinuedUnlimited)
        CheckBox1->setChecked(false);
    Button4->setText(StopCaption);
    Button3->setEnabled(false);
    NoteContinue(m_countOrigin, SettingNow());
    EnableSettings();
    Edit1->setText(RunningText);
    RunLoop();
}

// The window's one particle loop. Start and Continue pressed in one of its
// turns only set the run going again, and the loop on the stack goes on with
// it: a loop of its own for each press would deepen the stack with every
// click until the window crashed. A Continue in the last turn, after the loop
// saw the run stopped, begins a new pass.
void TForm1::RunLoop()
{
    if (m_loopRunning)
        return;
    m_loopRunning = true;
    do
        RunParticles(m_sim, {.setCountReached = [this] { StopRun(); }, .turn = [this] { ProcessPendingEvents(); }});
    while (m_sim.run.running);
    m_loopRunning = false;
    Button4->setText(ContinueCaption);
    Button3->setEnabled(true);
    ::ShowPassBand(m_sim);
}

void TForm1::ProcessPendingEvents()
{
    RefreshRunDisplays();
    QCoreApplication::processEvents();
}

void TForm1::RefreshRunDisplays()
{
    const RunState& run = m_sim.run;
    if (m_launchesToShow) {
        Edit9->setText(QString::number(run.launchedCount));
        Edit1->setText(QString::fromStdString(ElapsedTimeText(MeasuringTime(run, m_services.clock.steady()))));
        m_launchesToShow = false;
    }
    if (m_detectionsToShow) {
        Edit8->setText(QString::number(run.detectedCount));
        m_detectionsToShow = false;
    }
    Image2->RepaintDirty();
}

void TForm1::EnableSettings()
{
    const bool enabled = !m_sim.run.running;
    for (QWidget* setting : std::initializer_list<QWidget*>{CheckBox3, Edit7, UpDown4, BField, Edit6, CheckBox1,
                                                            Button7, Button5, CheckBox5, Blende3, UpDown3})
        setting->setEnabled(enabled);
    Loadsource1->setEnabled(enabled);
}

// The particle launched at the last turn goes with its count, so a loop
// going on after this launches anew.
void TForm1::Button7Click()
{
    NoteCountCleared(m_countOrigin);
    m_sim.MeasuredParticle.Alive = false;
    m_overlayCanvas->Clear();
    Image2->RepaintDirty();
    Edit9->setText("0");
    m_sim.run.launchedCount = 0;
    m_launchesToShow = false;
}

void TForm1::Button5Click()
{
    NoteCountCleared(m_countOrigin);
    m_sim.run.detectedCount = 0;
    Edit8->setText(QString::number(m_sim.run.detectedCount));
    m_detectionsToShow = false;
}

void TForm1::CheckBox1Click()
{
    m_sim.run.stopAtCount = CheckBox1->isChecked();
}

CountSetting TForm1::SettingNow() const
{
    return {m_sim.filter, UpDown3->position(), m_sourceName.toStdString()};
}
