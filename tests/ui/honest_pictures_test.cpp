#include "tests/ui/window_fixture.h"

#include "cli/evidence/evidence_plausibility.h"
#include "evidence/picture_check.h"
#include "generated/vantor_version.h"
#include "ui/up_down.h"

#include <QAction>
#include <QDir>
#include <QTimer>

namespace {

// Real measurements in the window, saved as a contestant saves them between
// and after Starts: no sequence of the window's own may give a picture the
// check calls anything but "rendben".
class HonestPictures : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Identify("21");
        Enter("Edit6", "3000");
    }

    void Set(int energyKeV, int fieldMicrotesla, int slitStep)
    {
        form->findChild<UpDown*>("UpDown3")->setPosition(slitStep);
        Enter("BField", QString::number(fieldMicrotesla));
        Enter("Edit7", QString::number(energyKeV));
    }

    // Continue unticks "Leáll", so every Start ticks it again.
    void Start()
    {
        Find<QCheckBox>("CheckBox1")->setChecked(true);
        Click("Button3");
    }

    // Continue, stopped again at the next window turn.
    void ContinueForAWhile()
    {
        QTimer::singleShot(0, form.get(), [this] { Click("Button4"); });
        Click("Button4");
    }

    void Save()
    {
        dialogs.savePath = "meres";
        Find<QAction>("Kpernymentse1")->trigger();
    }

    struct Verdict {
        int pictures = 0;
        int physicsChecked = 0;
    };

    Verdict CheckEveryPicture()
    {
        const PlausibilityContext context{QString::fromLatin1(VantorVersion), QDateTime::currentDateTime(),
                                          KnownSources(QStringLiteral(VANTOR_DATA_DIR "/sources"))};
        const QString folder = rootFolder.path() + "/21/";
        Verdict verdict;
        for (const QString& name : QDir(folder).entryList({"*.jpg"}, QDir::Files)) {
            const PictureCheck check = CheckPictureFile(folder + name);
            EXPECT_EQ(check.status, EvidenceStatus::Intact) << name.toStdString();
            if (!check.record)
                continue;
            const Plausibility plausibility = CheckPlausibility(*check.record, "21", context);
            EXPECT_FALSE(plausibility.implausible.has_value())
                << name.toStdString() << ": " << plausibility.implausible.value_or(QString()).toStdString();
            ++verdict.pictures;
            if (plausibility.notes.isEmpty())
                ++verdict.physicsChecked;
        }
        return verdict;
    }
};

TEST_F(HonestPictures, ThirtyTwoPicturesOfRealMeasurementsAreAllInOrder)
{
    // Measured and saved at settings across the whole range.
    struct Setting {
        int energyKeV, fieldMicrotesla, slitStep;
    };
    for (const Setting& s : {Setting{50, 1000, 0}, Setting{20, 500, 5}, Setting{100, 1000, 10}, Setting{150, 2000, 19},
                             Setting{10, 1000, 5}, Setting{90, 1500, 3}, Setting{130, 800, 12}, Setting{30, 300, 0},
                             Setting{70, 2500, 7}, Setting{155, 1000, 19}, Setting{5, 4000, 1}, Setting{60, 1200, 15},
                             // Wide slits in weak fields: fewer energies pass than the band's edges hold.
                             Setting{10, 500, 10}, Setting{20, 1000, 19}}) {
        Set(s.energyKeV, s.fieldMicrotesla, s.slitStep);
        Start();
        Save();
    }
    // Stop, a new energy, field or slit, save: the counts are of the Start's setting.
    Set(50, 1000, 5);
    Start();
    Enter("Edit7", "80");
    Save();
    Enter("BField", "1700");
    Save();
    form->findChild<UpDown*>("UpDown3")->setPosition(9);
    Save();
    // Continue after the set count and a Stop, at the same setting.
    Set(40, 900, 4);
    Start();
    ContinueForAWhile();
    Save();
    // Continue after the setting changed: two settings in the counts, the
    // second letting through four times as many.
    Set(50, 1000, 0);
    Start();
    Set(100, 1000, 10);
    ContinueForAWhile();
    Save();
    // "Indításkor töröl" off: the detector sums Starts at different settings.
    Find<QCheckBox>("CheckBox5")->setChecked(false);
    Set(60, 1000, 2);
    Start();
    Save();
    Set(65, 1000, 2);
    Start();
    Save();
    Find<QCheckBox>("CheckBox5")->setChecked(true);
    // After a Start, the launched count cleared alone, then the detector alone.
    Set(50, 1000, 0);
    Start();
    Click("Button7");
    Save();
    Start();
    Click("Button5");
    Save();
    // Saved during a run.
    Set(50, 1000, 0);
    Enter("Edit6", "20000");
    QTimer::singleShot(0, form.get(), [this] {
        Save();
        Click("Button4");
    });
    Start();
    Save();
    Enter("Edit6", "3000");
    // Fields off: no band to check against.
    Find<QCheckBox>("CheckBox3")->click();
    Start();
    Save();
    Find<QCheckBox>("CheckBox3")->click();
    // In class the teacher's window loads a shipped source, measures and saves.
    mode = StartMode::Teacher;
    MakeForm(WorkRoot{rootFolder.path() + "/", QString()});
    Identify("21");
    Enter("Edit6", "3000");
    dialogs.openPath = VANTOR_DATA_DIR "/sources/sr90.for";
    Find<QAction>("Loadsource1")->trigger();
    Save();
    Set(300, 1500, 6);
    Start();
    Save();
    Set(500, 2500, 10);
    Start();
    Save();
    dialogs.openPath = VANTOR_DATA_DIR "/sources/p32.for";
    Find<QAction>("Loadsource1")->trigger();
    Set(1000, 3000, 8);
    Start();
    Save();
    Set(700, 4000, 19);
    Start();
    Save();
    Enter("Edit7", "900");
    Save();

    const Verdict verdict = CheckEveryPicture();
    EXPECT_EQ(verdict.pictures, 32);
    // Most of them were judged by the physics, not passed over.
    EXPECT_GE(verdict.physicsChecked, 20);
    EXPECT_TRUE(dialogs.messages.empty()) << LastMessage().toStdString();
}

}
