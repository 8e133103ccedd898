#include "ui/layout/window_record.h"

#include "base/number_text.h"

EvidenceRecord WindowRecord(const WindowPanel& panel, int slitStep, const RunState& run, const CountOrigin& origin,
                            const std::string& sourceName)
{
    EvidenceRecord record;
    record.energyKeV = panel.Text("Edit7");
    record.fieldMicrotesla = ParseIntegerText(panel.Text("BField"));
    record.electricFieldVPerM = panel.Text("EField");
    record.fieldsOn = panel.Checked("CheckBox3");
    record.slitStep = slitStep;
    record.slitMm = panel.Text("Blende3");
    record.setCount = ParseIntegerText(panel.Text("Edit6"));
    record.stopAtSetCount = panel.Checked("CheckBox1");
    record.clearDetectorOnStart = panel.Checked("CheckBox5");
    record.tracksShown = panel.Checked("CheckBox4");
    record.launched = run.launchedCount;
    record.detected = run.detectedCount;
    record.measuringTime = panel.Text("Edit1");
    record.running = run.running;
    record.passLowerKeV = panel.Text("Edit12");
    record.passUpperKeV = panel.Text("Edit13");
    record.passWidthKeV = panel.Text("Edit14");
    record.source = sourceName;
    record.countsFromLastStart = origin.alone;
    record.detectorClearedAtStart = origin.detectorCleared;
    record.startTunedEnergyJoules = origin.setting.filter.tunedEnergy;
    record.startMagneticFieldTesla = origin.setting.filter.magneticField;
    record.startElectricFieldVPerM = origin.setting.filter.electricField;
    record.startSlitStep = origin.setting.slitStep;
    record.startSource = origin.setting.source;
    record.startPassLowerKeV = origin.passLower;
    record.startPassUpperKeV = origin.passUpper;
    record.startPassWidthKeV = origin.passWidth;
    return record;
}
