#pragma once

#include <QLatin1StringView>
#include <QString>

// The jury works with this code instead of a contestant number; it must be
// typed exactly, letter case included.
inline constexpr QLatin1StringView JuryCode("Ravel3081");

// The code without the blanks and control characters (codes 0 to 32) around it.
QString TrimmedCode(const QString& code);

// Whether the identification may accept what was typed: a whole number in
// 21..42 or 71..82 (blanks around it allowed), or exactly the jury code.
bool IsAcceptedCode(const QString& typed);

bool IsJuryCode(const QString& code);

// The main window's caption once the code is known.
QString IdentifiedCaption(const QString& code);
