#include "record/record_json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The bytes of a record as the window wrote them when Qt's JSON writer wrote
// it: stored pictures' digests cover them, so no byte may change.
TEST(RecordBytes, AreTheOnesStoredPicturesHold)
{
    EvidenceRecord record;
    record.program = "2.2.0.3";
    record.contestant = "21";
    record.teacherMode = true;
    record.savedAt = "2024-03-15T10:42:07+01:00";
    record.energyKeV = "50";
    record.electricFieldVPerM = " 123456.78901";
    record.fieldsOn = true;
    record.slitStep = 3;
    record.slitMm = "0.5";
    record.setCount = -7;
    record.clearDetectorOnStart = true;
    record.launched = 10000;
    record.detected = 719;
    record.measuringTime = "0:00:02";
    record.running = true;
    record.passLowerKeV = "Nem számolható";
    record.passUpperKeV = "52.3";
    record.source = "\"idézet\"\n\\ és ő\t\x01\x1f\x7f/€\u2028😀\b\f\r";
    record.countsFromLastStart = true;
    record.startTunedEnergyJoules = 8.0108831699999992e-15;
    record.startMagneticFieldTesla = 0.0001;
    record.startElectricFieldVPerM = 12345678.0;
    record.startSlitStep = 19;
    // Cut inside the last character's UTF-16 pair, and after 256 of 300.
    record.startSource = std::string(255, 'a') + "😀";
    std::string manyO;
    for (int i = 0; i < 300; ++i)
        manyO += "ő";
    record.startPassLowerKeV = manyO;
    record.startPassUpperKeV = "1e999";
    record.startPassWidthKeV = "-0";
    record.digest = std::string(64, '0');

    EXPECT_EQ(RecordJson(record),
              "{\"format\":\"vantor-evidence/3\",\"program\":\"2.2.0.3\",\"contestant\":\"21\",\"teacherMode\":true,"
              "\"savedAt\":\"2024-03-15T10:42:07+01:00\",\"energyKeV\":\"50\",\"fieldMicrotesla\":null,"
              "\"electricFieldVPerM\":\" 123456.78901\",\"fieldsOn\":true,\"slitStep\":3,\"slitMm\":\"0.5\","
              "\"setCount\":-7,\"stopAtSetCount\":false,\"clearDetectorOnStart\":true,\"tracksShown\":false,"
              "\"launched\":10000,\"detected\":719,\"measuringTime\":\"0:00:02\",\"running\":true,"
              "\"passLowerKeV\":\"Nem számolható\",\"passUpperKeV\":\"52.3\",\"passWidthKeV\":\"\","
              "\"source\":\"\\\"idézet\\\"\\n\\\\ és ő\\t\\u0001\\u001f\x7f/€\u2028😀\\b\\f\\r\","
              "\"countsFromLastStart\":true,\"detectorClearedAtStart\":false,"
              "\"startTunedEnergyJoules\":8.010883169999999e-15,\"startMagneticFieldTesla\":1e-04,"
              "\"startElectricFieldVPerM\":12345678,\"startSlitStep\":19,"
              "\"startSource\":\"" + std::string(255, 'a') + "\\ud83d\","
              "\"startPassLowerKeV\":\"" + manyO.substr(0, 512) + "\","
              "\"startPassUpperKeV\":\"1e999\",\"startPassWidthKeV\":\"-0\","
              "\"digest\":\"" + std::string(64, '0') + "\"}");
}

}
