#include "bench/silent_dialogs.h"
#include "cli/command_line.h"
#include "cli/evidence_command.h"
#include "core/simulation.h"
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int Contestants = 30;
constexpr int PicturesEach = 10;

// Saves the picture through the window's own "Mentés képként".
class SavingDialogs : public SilentDialogs {
public:
    QString AskSavePath(QWidget*, const SaveDialogRequest&) override { return path; }
    QString path;
};

// One picture of the real window after a measurement with tracks, as a
// contestant saves it.
bool SaveWindowPicture(const QString& path)
{
    SavingDialogs dialogs;
    dialogs.path = path;
    Simulation sim;
    TForm1 form(sim, WindowServices{dialogs, WorkRoot{QDir::tempPath() + "/", {}}, [] {}});
    sim.view = &form;
    form.show();
    form.FormActivate();
    form.findChild<QLineEdit*>("BField")->setText("1000");
    form.BFieldExit();
    form.findChild<QLineEdit*>("Edit7")->setText("50");
    form.Edit7Exit();
    form.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    form.findChild<QLineEdit*>("Edit6")->setText("5000");
    form.Button3Click();
    form.findChild<QAction*>("Mentskpknt1")->trigger();
    return QFile::exists(path);
}

// A room: 30 contestant folders of 10 pictures each.
class Room {
public:
    Room()
    {
        const QString picture = folder.filePath("ablak.jpg");
        if (!SaveWindowPicture(picture))
            std::abort();
        for (int contestant = 21; contestant < 21 + Contestants; ++contestant) {
            const QString contestantFolder = folder.filePath(QString::number(contestant));
            QDir().mkpath(contestantFolder);
            for (int number = 1; number <= PicturesEach; ++number)
                QFile::copy(picture, contestantFolder + QString("/%1_spektrum.jpg").arg(number, 2, 10, QChar('0')));
        }
        QFile::remove(picture);
    }

    Options Command(bool withFiles) const
    {
        Options options;
        options.paths = {folder.path().toStdString()};
        if (withFiles) {
            options.csvPath = folder.filePath("terem.csv").toStdString();
            options.htmlPath = folder.filePath("terem.html").toStdString();
        }
        return options;
    }

private:
    QTemporaryDir folder;
};

Room& TheRoom()
{
    static Room room;
    return room;
}

void Check(benchmark::State& state, bool withFiles)
{
    const Options options = TheRoom().Command(withFiles);
    for (auto _ : state) {
        const CommandOutcome outcome = RunEvidenceCommand(options);
        if (outcome.exitStatus != 0)
            state.SkipWithError("a picture of the room is not intact");
    }
    state.counters["pictures/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * Contestants * PicturesEach, benchmark::Counter::kIsRate);
}

// vantor-cli evidence over a room of 30 × 10 window pictures: the goal is
// under 2 s.
void EvidenceOfARoom(benchmark::State& state)
{
    Check(state, false);
}

void EvidenceOfARoomWithCsvAndPage(benchmark::State& state)
{
    Check(state, true);
}

}

BENCHMARK(EvidenceOfARoom)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(EvidenceOfARoomWithCsvAndPage)->Unit(benchmark::kMillisecond)->UseRealTime();
