#include "tests/ui/window_fixture.h"

#include "core/flight.h"
#include "core/measurement_view.h"
#include "ui/up_down.h"

#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Hands everything on to the window and counts the track pieces drawn for
// each launched particle.
class PieceCounter : public MeasurementView {
public:
    explicit PieceCounter(MeasurementView& window) : m_window(window) {}

    void ShowLaunched(const RunState& run) override
    {
        m_pieces = 0;
        m_window.ShowLaunched(run);
    }
    void ShowDetected(std::int32_t detectedCount) override { m_window.ShowDetected(detectedCount); }
    void ShowPassBand(const std::optional<PassBand>& band) override { m_window.ShowPassBand(band); }
    bool TracksShown() const override { return m_window.TracksShown(); }
    void DrawTrackPiece(int fromX, int fromY, int toX, int toY, std::uint32_t colour) override
    {
        m_most = std::max(m_most, ++m_pieces);
        m_window.DrawTrackPiece(fromX, fromY, toX, toY, colour);
    }

    int MostPieces() const { return m_most; }

private:
    MeasurementView& m_window;
    int m_pieces = 0;
    int m_most = 0;
};

struct Setting {
    const char* keV;
    const char* microtesla;
    int slitStep;
};

std::string Describe(const Setting& setting)
{
    return std::string(setting.keV) + " keV, " + setting.microtesla + " µT, slit step " +
           std::to_string(setting.slitStep);
}

bool Matches(const QString& text, const char* pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

constexpr int LargestCount = std::numeric_limits<std::int32_t>::max();
// A particle's field steps, each drawn, and its one step of free flight.
constexpr int MostPiecesPerParticle = MaxFieldSteps + 1;

class ExtremeSettings : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        counter = std::make_unique<PieceCounter>(*form);
        sim.view = counter.get();
    }

    void Tune(const Setting& setting)
    {
        form->findChild<UpDown*>("UpDown3")->setPosition(setting.slitStep);
        Enter("BField", setting.microtesla);
        Enter("Edit7", setting.keV);
        EXPECT_TRUE(dialogs.messages.empty()) << Describe(setting);
    }

    void ExpectFiniteSettings(const std::string& what)
    {
        for (double value : {sim.filter.magneticField, sim.filter.electricField, sim.filter.tunedEnergy,
                             sim.band.PassLower, sim.band.PassUpper, sim.band.PassWidth})
            EXPECT_TRUE(std::isfinite(value)) << what;
        EXPECT_TRUE(Matches(Text("EField"), R"( *\d+\.\d{5})")) << what << ": " << Text("EField").toStdString();
        for (const char* readout : {"Edit12", "Edit13", "Edit14"}) {
            const QString text = Text(readout);
            EXPECT_TRUE(text == "Nem számolható" || Matches(text, R"( *-?\d+\.\d{3})"))
                << what << ", " << readout << ": " << text.toStdString();
        }
    }

    void ExpectFiniteCounters(const std::string& what)
    {
        EXPECT_TRUE(Matches(Text("Edit1"), R"(\d+:\d\d:\d\d)")) << what << ": " << Text("Edit1").toStdString();
        EXPECT_EQ(Text("Edit9"), QString::number(sim.run.launchedCount)) << what;
        EXPECT_EQ(Text("Edit8"), QString::number(sim.run.detectedCount)) << what;
    }

    // Presses a run button with a Stop queued for the run's first turn.
    void PressAndStopAtTheFirstTurn(const char* button)
    {
        QTimer::singleShot(0, form.get(), [this] { Click("Button4"); });
        Click(button);
    }

    // Starts with the largest set count, stops at the first turn, continues and
    // stops again: each segment is one turn of 1000 particles.
    void RunTwoTurns(const Setting& setting)
    {
        const std::string what = Describe(setting);
        Tune(setting);
        Enter("Edit6", QString::number(LargestCount));
        Find<QCheckBox>("CheckBox1")->setChecked(true);
        PressAndStopAtTheFirstTurn("Button3");
        EXPECT_EQ(sim.run.launchedCount, 1000) << what;
        PressAndStopAtTheFirstTurn("Button4");
        EXPECT_EQ(sim.run.launchedCount, 2000) << what;
        EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isChecked()) << what;
        EXPECT_EQ(sim.run.setCount, LargestCount) << what;
        EXPECT_LE(counter->MostPieces(), MostPiecesPerParticle) << what;
        ExpectFiniteSettings(what);
        ExpectFiniteCounters(what);
        EXPECT_TRUE(dialogs.messages.empty()) << what;
    }

    std::unique_ptr<PieceCounter> counter;
};

TEST_F(ExtremeSettings, PassBandAndFieldStayFinite)
{
    for (int slitStep : {0, 1, 10, 19}) {
        for (const char* microtesla : {"0", "1", "50", "1000", "100000", "2000000"}) {
            for (const char* keV : {"0", "0.001", "1", "50", "1000", "10000"}) {
                const Setting setting{keV, microtesla, slitStep};
                Tune(setting);
                ExpectFiniteSettings(Describe(setting));
            }
        }
    }
}

// Downwards, since the slit readout keeps the window's "0.5" until the step first changes.
TEST_F(ExtremeSettings, EverySlitStepAtTheStrongestField)
{
    for (int slitStep = 19; slitStep >= 0; --slitStep) {
        Tune({"10000", "2000000", slitStep});
        EXPECT_EQ(Text("Blende3"), QString::number((slitStep + 2) * 0.5)) << slitStep;
        ExpectFiniteSettings("slit step " + std::to_string(slitStep));
    }
}

TEST_F(ExtremeSettings, RunsWithTheLargestCountStopWhenAsked)
{
    for (const Setting& setting : {Setting{"10000", "2000000", 19}, Setting{"0", "2000000", 0},
                                   Setting{"50", "2000000", 0}, Setting{"0.001", "2000000", 19},
                                   Setting{"10000", "1", 0}, Setting{"10000", "0", 10}, Setting{"0", "0", 0},
                                   Setting{"1000", "100000", 5}})
        RunTwoTurns(setting);
}

TEST_F(ExtremeSettings, RunsAtEverySlitStepWithTheStrongestField)
{
    for (int slitStep = 0; slitStep <= 19; ++slitStep)
        RunTwoTurns({"50", "2000000", slitStep});
}

// Launching 2^31 particles would take hours; the launched count is set just
// below the largest set count instead, and the run must stop exactly there.
TEST_F(ExtremeSettings, TheLargestSetCountStopsExactlyThere)
{
    Tune({"50", "1000", 0});
    Enter("Edit6", QString::number(LargestCount));
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    PressAndStopAtTheFirstTurn("Button3");
    sim.run.launchedCount = LargestCount - 1500;
    Click("Button4");
    EXPECT_EQ(sim.run.launchedCount, LargestCount);
    EXPECT_EQ(Text("Edit9"), "2147483647");
    EXPECT_FALSE(sim.run.running);
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isChecked());
}

}
