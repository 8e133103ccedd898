#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers and dates as a Hungarian reader reads them in a report or a page.
// The files that programs read (CSV, JSON) keep their own formats.

// A decimal comma, and a power of ten from a million up and below a
// thousandth: "0,012", "-7,5", "3,1 · 10⁻⁷", "1,5 · 10⁶". With
// significantDigits 0 every digit that reads back as the value is kept;
// otherwise the value is rounded to that many, trailing zeros dropped.
std::string ReaderNumberText(double value, int significantDigits = 0);

// A number as a box or readout shows it, "46.741", with a decimal comma,
// its digits kept: "46,741"; any other text ("Nem számolható", "2.2.0.3")
// as it is, trimmed.
std::string ReaderReadoutText(std::string_view readout);

// Fixed decimals with a decimal comma: 7193.24 with 1 decimal is "7193,2".
std::string ReaderFixedText(double value, int decimals);

// "2024-03-15T10:42:07+01:00" as "2024. 03. 15. 10:42:07"; a text that does
// not begin with a date and time in that form is given back as it is.
std::string ReaderDateTimeText(std::string_view isoDateTime);

// The article before a number, "a" or "az", as its Hungarian name begins:
// "az 1.", "a 4.", "az 5.", "a 10.", "az 50.", "a 100.", "az 1000.".
std::string_view ReaderArticle(std::uint64_t number);

// The article before an option, as its name sounds without the dashes:
// "az --unfold", "az --energy", "az --xlsx" (iksz), "a --field", "a --seed".
std::string_view OptionArticle(std::string_view option);
