#include "ui/tform1.h"

#include "core/measurement.h"
#include "core/simulation.h"
#include "ui/overlay_canvas.h"
#include "ui/picture_widgets.h"
#include "ui/up_down.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

void TForm1::Button3Click()
{
    if (m_run.Start(m_services.clock.steady()))
        RunLoop();
}

void TForm1::Button4Click()
{
    if (m_run.StopOrContinue(m_services.clock.steady()))
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
        RunParticles(m_sim, {.setCountReached = [this] { m_run.Stop(m_services.clock.steady()); },
                             .turn = [this] { ProcessPendingEvents(); }});
    while (m_sim.run.running);
    m_loopRunning = false;
    m_run.Ended();
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

void TForm1::Button7Click()
{
    m_run.ClearParticles();
}

void TForm1::Button5Click()
{
    m_run.ClearDetector();
}

void TForm1::CheckBox1Click()
{
    m_sim.run.stopAtCount = CheckBox1->isChecked();
}

QWidget* TForm1::Control(std::string_view name) const
{
    return findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

void TForm1::SetText(std::string_view control, const std::string& text)
{
    QWidget* widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(QString::fromStdString(text));
    else
        qobject_cast<QPushButton*>(widget)->setText(QString::fromStdString(text));
}

// The source choice is a menu item, the other settings are widgets.
void TForm1::SetEnabled(std::string_view control, bool enabled)
{
    if (control == "Loadsource1")
        Loadsource1->setEnabled(enabled);
    else
        Control(control)->setEnabled(enabled);
}

bool TForm1::Checked(std::string_view control) const
{
    return qobject_cast<QCheckBox*>(Control(control))->isChecked();
}

void TForm1::SetChecked(std::string_view control, bool checked)
{
    qobject_cast<QCheckBox*>(Control(control))->setChecked(checked);
}

void TForm1::ForgetLaunches()
{
    m_overlayCanvas->Clear();
    Image2->RepaintDirty();
    m_launchesToShow = false;
}

void TForm1::ForgetDetections()
{
    m_detectionsToShow = false;
}

CountSetting TForm1::SettingNow() const
{
    return {m_sim.filter, UpDown3->position(), m_sourceName.toStdString()};
}
