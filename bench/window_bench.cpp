#include "bench/silent_dialogs.h"
#include "core/simulation.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The real window, offscreen, tuned with the narrowest slit.
struct RunningWindow {
    explicit RunningWindow(const char* keV = "50", const char* microtesla = "1000")
        : form(sim, WindowServices{dialogs, WorkRoot{QCoreApplication::applicationDirPath() + "/", {}}, [] {}})
    {
        form.show();
        form.FormActivate();
        form.findChild<QLineEdit*>("BField")->setText(microtesla);
        form.BFieldExit();
        form.findChild<QLineEdit*>("Edit7")->setText(keV);
        form.Edit7Exit();
        form.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    }

    void Measure(int particles, bool tracksShown)
    {
        form.findChild<QCheckBox*>("CheckBox4")->setChecked(tracksShown);
        form.findChild<QLineEdit*>("Edit6")->setText(QString::number(particles));
        form.Button3Click();
    }

    SilentDialogs dialogs;
    Simulation sim;
    TForm1 form;
};

// Particles per second of Start with tracks hidden, counters and window turns included.
void WindowRunTracksHidden(benchmark::State& state)
{
    RunningWindow window;
    constexpr int Particles = 100000;
    for (auto _ : state)
        window.Measure(Particles, false);
    state.counters["particles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * Particles, benchmark::Counter::kIsRate);
}

// One turn of the window with tracks shown: a thousand particles drawn, then
// the counters and the tracks repainted. Start's own preparations are included,
// so this is an upper bound of a turn.
void WindowTurnTracksShown(benchmark::State& state)
{
    RunningWindow window;
    for (auto _ : state)
        window.Measure(1000, true);
}

// The slowest turn of all settings: tuned to zero energy in 2 T every particle
// circles for its 1000 field steps, each drawn. The user waits this long for
// Stop at the worst; it should stay well under a second.
void WindowTurnCirclingTracksShown(benchmark::State& state)
{
    RunningWindow window("0", "2000000");
    for (auto _ : state)
        window.Measure(1000, true);
}

}

BENCHMARK(WindowRunTracksHidden)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WindowTurnTracksShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WindowTurnCirclingTracksShown)->Unit(benchmark::kMillisecond)->UseRealTime();
