#include "tests/ui/window_fixture.h"

#include "evidence/picture_check.h"
#include "help/help_dialog.h"
#include "spectrum/source_file.h"
#include "tests/support/run_program.h"
#include "tests/support/same_spectrum.h"
#include "ui/overlay_canvas.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <string>

namespace {

const QString Sr90Path = QStringLiteral(VANTOR_DATA_DIR "/sources/sr90.for");
const QString SourceFilter = QStringLiteral("Forrás fájlok (*.for)|*.for|Minden fájl (*.*)|*.*");

class TeacherMode : public WindowTest {
protected:
    TeacherMode()
    {
        mode = StartMode::Teacher;
        sourcesFolder = QStringLiteral(VANTOR_DATA_DIR "/sources");
    }

    void ChooseSource(const QString& path)
    {
        dialogs.openPath = path;
        Find<QAction>("Loadsource1")->trigger();
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = rootFolder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

std::string CliOutput(const std::string& arguments)
{
    return RunProgram(VANTOR_CLI_PATH, arguments, QProcess::SeparateChannels).output;
}

int VisibleActions(const QMenu* menu)
{
    int visible = 0;
    for (const QAction* action : menu->actions())
        visible += action->isVisible() ? 1 : 0;
    return visible;
}

TEST_F(TeacherMode, ShowsTheHiddenItemsAndSaysSoInTheCaption)
{
    EXPECT_EQ(form->windowTitle(), "Béta sugárzás spektrumának mérése – tanári mód");
    EXPECT_EQ(VisibleActions(Find<QMenu>("File1")), 3);
    EXPECT_EQ(VisibleActions(Find<QMenu>("Sg1")), 3);
    Identify("21");
    EXPECT_EQ(form->windowTitle(), "Országos Kelvora FizikaVerseny 2024     Versenyző kódja: 21 – tanári mód");

    const THelpDlg* help = form->findChild<THelpDlg*>();
    Find<QAction>("Feladatok1")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->ShownPage(), 0);
    Find<QAction>("Aprogramhasznlata1")->trigger();
    EXPECT_EQ(help->ShownPage(), 1);
}

TEST_F(TeacherMode, TheOpenDialogStartsWhereTheIdentificationSaysWithTheShippedSourcesBeside)
{
    ChooseSource(QString());
    Identify("21");
    ChooseSource(Sr90Path);
    ChooseSource(QString());
    ASSERT_EQ(dialogs.openRequests.size(), 3u);
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, rootFolder.path() + "/");
    EXPECT_EQ(dialogs.openRequests[1].initialFolder, rootFolder.path() + "/21/");
    // The next choice starts in the folder of the last.
    EXPECT_EQ(dialogs.openRequests[2].initialFolder, sourcesFolder);
    for (const OpenDialogRequest& request : dialogs.openRequests) {
        EXPECT_EQ(request.filter, SourceFilter);
        EXPECT_EQ(request.defaultExtension, ".for");
        EXPECT_EQ(request.shortcutFolders, QStringList{sourcesFolder});
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TeacherMode, AChosenSourceReplacesTheSpectrumInUse)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Click("Button3");
    ASSERT_TRUE(Find<QPushButton>("Button4")->isEnabled());
    ASSERT_GT(sim.run.detectedCount, 0);
    ASSERT_NE(form->Overlay().Image().pixelColor(200, 300).alpha(), 0);
    Enter("BField", "3000");
    Enter("Edit7", "200");
    // Beyond the carbon's endpoint both edges stand at it.
    EXPECT_EQ(Text("Edit13"), "   156.000");

    ChooseSource(Sr90Path);
    EXPECT_TRUE(dialogs.messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(Find<QLabel>("Panel9")->text(), "Béta-forrás: stroncium-90 (Sr-90)");
    EXPECT_EQ(sim.source.EndpointEnergy, 0.546);
    EXPECT_EQ(sim.source.SampleRange, 1.1 * sim.source.Knots.back().x);
    EXPECT_EQ(Text("Edit12"), "   189.057");
    EXPECT_EQ(Text("Edit13"), "   212.487");
    EXPECT_EQ(Text("Edit14"), "    23.430");
    // The last measurement was of another source: it is neither continued
    // nor shown, and the window is as freshly started.
    EXPECT_FALSE(Find<QPushButton>("Button4")->isEnabled());
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Stop");
    EXPECT_EQ(Text("Edit9"), "0");
    EXPECT_EQ(Text("Edit8"), "0");
    EXPECT_EQ(Text("Edit1"), "0");
    EXPECT_EQ(sim.run.detectedCount, 0);
    EXPECT_EQ(form->Overlay().Image().pixelColor(200, 300).alpha(), 0);

    // A picture tells the jury which source it shows, and that it was saved in class.
    dialogs.savePath = rootFolder.filePath("sr90.jpg");
    Find<QAction>("Mentskpknt1")->trigger();
    const PictureCheck picture = CheckPictureFile(dialogs.savePath);
    ASSERT_TRUE(picture.record) << picture.reason.toStdString();
    EXPECT_EQ(picture.record->source, "Béta-forrás: stroncium-90 (Sr-90)");
    EXPECT_TRUE(picture.record->teacherMode);
}

TEST_F(TeacherMode, ALongNameIsCutAtItsEndOnTheApparatusOnly)
{
    const QString name = QStringLiteral("Ólom-210 (Pb-210) a szertárból, 2025. szeptember");
    ChooseSource(Write("olom.for", (name + "\n0.0635\n0\t1\n0.06\t0.5\n0.07\t0\n").toUtf8()));
    ASSERT_TRUE(dialogs.messages.empty()) << LastMessage().toStdString();
    const QLabel* panel = Find<QLabel>("Panel9");
    EXPECT_TRUE(panel->text().startsWith(QStringLiteral("Ólom-210 (Pb-210)"))) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().endsWith(QChar(0x2026)));
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    EXPECT_EQ(panel->toolTip(), name);

    dialogs.savePath = rootFolder.filePath("olom.jpg");
    Find<QAction>("Mentskpknt1")->trigger();
    const PictureCheck picture = CheckPictureFile(dialogs.savePath);
    ASSERT_TRUE(picture.record) << picture.reason.toStdString();
    EXPECT_EQ(picture.record->source, name.toStdString());
}

TEST_F(TeacherMode, AMeasurementOfAChosenSourceCountsAsVantorCli)
{
    ChooseSource(Sr90Path);
    Enter("BField", "3000");
    Enter("Edit7", "200");
    Enter("Edit6", "20000");
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Find<QCheckBox>("CheckBox4")->setChecked(false);
    Click("Button3");

    const std::string expected = CliOutput("measure --energy 200 --field 3000 --count 20000 --json --source "
                                           + Sr90Path.toStdString());
    const std::string window = "{\"launched\": " + std::to_string(sim.run.launchedCount)
        + ", \"detected\": " + std::to_string(sim.run.detectedCount) + ", \"passLowerKeV\": "
        + Text("Edit12").trimmed().toStdString() + ", \"passUpperKeV\": " + Text("Edit13").trimmed().toStdString()
        + ", \"passWidthKeV\": " + Text("Edit14").trimmed().toStdString();
    // What the window shows leads vantor-cli's record; its estimates follow.
    EXPECT_EQ(expected.substr(0, window.size() + 1), window + ",");
    EXPECT_GT(sim.run.detectedCount, 500);
}

TEST_F(TeacherMode, RefusedFilesLeaveTheSpectrumInUseAsItWas)
{
    ChooseSource(Sr90Path);
    sim.source.SpectrumMax = 1100.5;
    const SourceSpectrum before = sim.source;
    const QString folder = rootFolder.filePath("tablak");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString oversized = Write("nagy.for", "");
    ASSERT_TRUE(QFile::resize(oversized, 50'000'000));
    struct Refusal {
        QString path;
        QString text;
    };
    for (const Refusal& refusal : {
             Refusal{Write("rossz.for", "Foszfor\n1.7\n0\t1\n0.1 2\n"),
                     "A forrásfájl nem használható:\n%1\n4. sor: nincs TAB az energia és az intenzitás között."},
             Refusal{Write("vesszo.for", "Foszfor\n1,7\n0\t1\n0.1\t2\n"),
                     "A forrásfájl nem használható:\n%1\n2. sor: a határenergia nem szám (MeV, tizedesponttal): '1,7'."},
             Refusal{rootFolder.filePath("nincs.for"), "A forrásfájl nem olvasható:\n%1\nnincs ilyen fájl."},
             Refusal{folder, "A forrásfájl nem olvasható:\n%1\nez egy mappa, nem fájl."},
             Refusal{oversized, "A forrásfájl nem olvasható:\n%1\ntúl nagy (50000000 bájt), egy forrásfájl "
                                "legfeljebb 65536 bájt lehet."},
         }) {
        dialogs.messages.clear();
        ChooseSource(refusal.path);
        ASSERT_EQ(dialogs.messages.size(), 1u) << refusal.path.toStdString();
        EXPECT_EQ(dialogs.messages[0].title, "*** HIBA ***");
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.messages[0].text, refusal.text.arg(QDir::toNativeSeparators(refusal.path)));
        ExpectSameSpectrum(sim.source, before);
        EXPECT_EQ(Find<QLabel>("Panel9")->text(), "Béta-forrás: stroncium-90 (Sr-90)");
    }
}

TEST_F(TeacherMode, NoSourceIsChosenWhileParticlesFly)
{
    bool enabledDuringRun = true;
    QTimer::singleShot(0, form.get(), [&] {
        enabledDuringRun = Find<QAction>("Loadsource1")->isEnabled();
        form->Loadsource1Click();
        Click("Button4");
    });
    Click("Button3");
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_TRUE(Find<QAction>("Loadsource1")->isEnabled());
}

}
