#include "bench/silent_dialogs.h"
#include "cli/evidence/evidence_command.h"
#include "cli/evidence/evidence_options.h"
#include "cli/evidence/evidence_plausibility.h"
#include "evidence/picture_check.h"
#include "generated/vantor_version.h"
#include "core/simulation.h"
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <sys/resource.h>

namespace {

constexpr int Contestants = 30;
constexpr int PicturesEach = 10;

// Saves the picture through the window's own "Mentés képként", and types
// the contestant's code when asked for one.
class SavingDialogs : public SilentDialogs {
public:
    QString AskSavePath(QWidget*, const SaveDialogRequest&) override { return path; }
    int RunModal(QDialog& dialog) override
    {
        if (code.isEmpty())
            return QDialog::Rejected;
        dialog.show();
        dialog.findChild<QLineEdit*>("Password")->setText(code);
        dialog.findChild<QPushButton*>("OKBtn")->click();
        return dialog.result();
    }
    QString path;
    QString code;
};

// One picture of the real window after a measurement with tracks, as a
// contestant saves it; with a code, the contestant of that code.
bool SaveWindowPicture(const QString& path, const QString& code = {})
{
    SavingDialogs dialogs;
    dialogs.path = path;
    dialogs.code = code;
    QTemporaryDir workRoot;
    Simulation sim;
    TForm1 form(sim, WindowServices{dialogs, WorkRoot{workRoot.path() + "/", {}}, [] {}});
    form.show();
    form.FormActivate();
    if (!code.isEmpty())
        form.Timer1Timer();
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

// A room: 30 folders of 10 pictures each. The folders are not named by
// contestants' codes, since every picture is the one the bench saved.
class Room {
public:
    Room()
    {
        const QString picture = folder.filePath("ablak.jpg");
        if (!SaveWindowPicture(picture))
            std::abort();
        for (int contestant = 21; contestant < 21 + Contestants; ++contestant) {
            const QString contestantFolder = folder.filePath(QString("versenyzo-%1").arg(contestant));
            QDir().mkpath(contestantFolder);
            for (int number = 1; number <= PicturesEach; ++number)
                QFile::copy(picture, contestantFolder + QString("/%1_spektrum.jpg").arg(number, 2, 10, QChar('0')));
        }
        QFile::remove(picture);
    }

    QString FirstPicture() const { return folder.filePath("versenyzo-21/01_spektrum.jpg"); }

    EvidenceOptions Command(bool withFiles) const
    {
        EvidenceOptions options;
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

// A contestant's folder of 10 000 copies of one picture of theirs, as one
// who saved all day would leave.
class CrowdedFolder {
public:
    static constexpr int Pictures = 10000;

    CrowdedFolder()
    {
        const QString crowded = folder.filePath("30");
        QDir().mkpath(crowded);
        const QString picture = folder.filePath("ablak.jpg");
        if (!SaveWindowPicture(picture, "30"))
            std::abort();
        for (int number = 1; number <= Pictures; ++number)
            QFile::copy(picture, crowded + QString("/%1_spektrum.jpg").arg(number, 5, 10, QChar('0')));
        QFile::remove(picture);
    }

    EvidenceOptions Command() const
    {
        EvidenceOptions options;
        options.paths = {folder.filePath("30").toStdString()};
        return options;
    }

private:
    QTemporaryDir folder;
};

// The largest resident size of the process so far, in MB.
double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Check(benchmark::State& state, bool withFiles)
{
    const EvidenceOptions options = TheRoom().Command(withFiles);
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

// 10 000 pictures in one folder: held at 7 s and 161 MB. The peak is the
// process's own, after the check, so it is meant for a run of this
// benchmark alone (--benchmark_filter=OneCrowdedFolder).
void EvidenceOfOneCrowdedFolder(benchmark::State& state)
{
    static const CrowdedFolder crowded;
    const EvidenceOptions options = crowded.Command();
    for (auto _ : state) {
        const CommandOutcome outcome = RunEvidenceCommand(options);
        if (outcome.exitStatus != 0)
            state.SkipWithError("a picture of the folder is not intact");
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["pictures/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * CrowdedFolder::Pictures, benchmark::Counter::kIsRate);
    state.counters["peak MB"] = PeakResidentMegabytes();
}

// Whether one picture's record is one a run could write: the band searched
// again for its last Start and the expected count. The goal is under 20 ms.
void PlausibilityOfOnePicture(benchmark::State& state)
{
    const PictureCheck check = CheckPictureFile(TheRoom().FirstPicture());
    if (!check.record) {
        state.SkipWithError("the picture has no record");
        return;
    }
    const PlausibilityContext context{QString::fromLatin1(VantorVersion), QDateTime::currentDateTime(),
                                      KnownSources(QString())};
    for (auto _ : state) {
        const Plausibility verdict = CheckPlausibility(*check.record, QString(), context);
        if (verdict.implausible || !verdict.notes.isEmpty())
            state.SkipWithError("the picture's physics was not judged, or judged implausible");
        benchmark::DoNotOptimize(verdict);
    }
}

}

BENCHMARK(EvidenceOfARoom)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(EvidenceOfARoomWithCsvAndPage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(EvidenceOfOneCrowdedFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(PlausibilityOfOnePicture)->Unit(benchmark::kMillisecond)->UseRealTime();
