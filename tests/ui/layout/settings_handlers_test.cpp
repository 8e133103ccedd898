#include "ui/layout/settings_handlers.h"

#include "core/settings_rules.h"
#include "core/simulation.h"
#include "tests/support/ready_simulation.h"
#include "ui/layout/colours.h"
#include "ui/layout/window_panel.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct Box {
    std::string text;
    std::uint32_t colour = Colours::NormalColor;
    bool readOnly = false;
    bool shown = true;
    bool checked = false;
};

// The controls a handler touches, and the boxes it shows. No box here runs a
// change handler of its own.
class FakePanel : public WindowPanel {
public:
    std::map<std::string, Box> boxes;
    std::vector<std::string> messages;

    std::string Text(std::string_view control) const override { return boxes.at(std::string(control)).text; }
    void SetText(std::string_view control, const std::string& text) override { boxes[std::string(control)].text = text; }
    void SetEnabled(std::string_view, bool) override {}
    bool Checked(std::string_view control) const override { return boxes.at(std::string(control)).checked; }
    void SetChecked(std::string_view control, bool checked) override { boxes[std::string(control)].checked = checked; }
    void SetColour(std::string_view control, std::uint32_t colour) override { boxes[std::string(control)].colour = colour; }
    void SetReadOnly(std::string_view control, bool readOnly) override { boxes[std::string(control)].readOnly = readOnly; }
    void SetShown(std::string_view control, bool shown) override { boxes[std::string(control)].shown = shown; }
    ControlRect Rect(std::string_view) const override { return {}; }
    void SetRect(std::string_view, const ControlRect&) override {}
    void ShowGeneralError(const std::string& message) override { messages.push_back(message); }
    void ShowRefusal(const std::string& text) override { messages.push_back(text); }
    void ShowSourceError(const std::string& message) override { messages.push_back(message); }
    void ShowSourceName(const std::string&) override {}
    void TakeFocusBack(std::string_view) override {}
    void ForgetLaunches() override {}
    void ForgetDetections() override {}
    void RefreshRunDisplays() override {}
    CountSetting SettingNow() const override { return {}; }
};

class SettingsHandlersTest : public ::testing::Test {
protected:
    SettingsHandlersTest()
    {
        panel.SetChecked("CheckBox3", true);
        panel.SetText("Edit7", "50");
        panel.SetText("BField", "1000");
        panel.SetText("EField", "0");
    }

    std::unique_ptr<Simulation> sim = ReadySimulation();
    FakePanel panel;
    SettingsHandlers handlers{*sim, panel};
};

TEST_F(SettingsHandlersTest, AnEnergyIsTakenWhenTheInductionCannotBeRead)
{
    panel.SetText("BField", "x");
    EXPECT_TRUE(handlers.EnergyEntered());
    EXPECT_EQ(sim->filter.tunedEnergy, EnteredEnergyJoules(50));
    EXPECT_EQ(panel.messages, std::vector<std::string>{"'x' is not a valid floating point value"});
    EXPECT_EQ(panel.boxes["EField"].text, "0");
}

TEST_F(SettingsHandlersTest, FieldsOffHideTheInductionStepper)
{
    panel.SetChecked("CheckBox3", false);
    handlers.FieldsSwitched();
    EXPECT_FALSE(panel.boxes["UpDown4"].shown);
    panel.SetChecked("CheckBox3", true);
    handlers.FieldsSwitched();
    EXPECT_TRUE(panel.boxes["UpDown4"].shown);
}

TEST_F(SettingsHandlersTest, FieldsStayOffWhileTheInductionCannotBeRead)
{
    panel.SetChecked("CheckBox3", false);
    handlers.FieldsSwitched();
    panel.SetText("BField", "abc");
    panel.SetChecked("CheckBox3", true);
    handlers.FieldsSwitched();
    EXPECT_EQ(panel.messages, std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_EQ(sim->filter.magneticField, 0.0);
    EXPECT_TRUE(panel.boxes["BField"].readOnly);
    EXPECT_EQ(panel.boxes["BField"].colour, Colours::OffColor);
    EXPECT_FALSE(panel.boxes["UpDown4"].shown);
}

}
