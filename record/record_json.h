#pragma once

#include "record/evidence_record.h"

#include <cstddef>
#include <string>

// Texts longer than this are cut when the record is written, so that the
// record always fits into one JPEG comment segment (65533 bytes); the boxes
// show far less of a text than that. A text's length is counted in UTF-16
// code units, as the window counts it.
inline constexpr std::size_t MaxRecordTextLength = 256;

// The record as a picture carries it: one line of UTF-8 JSON with the fields
// in their listed order, the format first and the digest last, each value
// written as Qt's JSON writer writes it, so that the records of the pictures
// saved before and after keep one form.
std::string RecordJson(const EvidenceRecord& record);
