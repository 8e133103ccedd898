#pragma once

#include <string_view>

class WindowPanel;
struct Simulation;

// The filter's, the slit's and the particle count's boxes of the measurement
// window, in the order the window takes their steps, for every window that
// shows one. A box's change handler runs when its text changes, whoever
// changed it; an entry handler, when the box is left or Enter is pressed in
// it, answers false when it refused the entry.
class SettingsHandlers {
public:
    SettingsHandlers(Simulation& sim, WindowPanel& panel) : m_sim(sim), m_panel(panel) {}

    void SlitStepChanged();        // Edit3, from the slit's stepper
    void FieldStepChanged();       // Edit4, from the induction's stepper
    void ElectricStepChanged();    // Edit5
    void FieldTyped();             // BField changed: the electric field follows
    bool FieldEntered();           // BField: checked, band searched
    bool ElectricFieldEntered();   // EField
    void EnergyTyped();            // Edit7 changed
    bool EnergyEntered();          // Edit7: checked, filter tuned, band searched
    void FieldsSwitched();         // CheckBox3: fields on or off
    bool CountEntered();           // Edit6: the set particle count

private:
    bool Refuse(std::string_view control, const char* text);

    Simulation& m_sim;
    WindowPanel& m_panel;
};
