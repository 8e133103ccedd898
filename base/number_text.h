#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number texts of the settings inputs, always with '.' as the decimal
// point whatever the user's locale.

// Leading blanks, then a signed decimal integer or a hexadecimal one after
// "$", "x", "X", "0x" or "0X"; nothing may follow; it must fit 32 bits.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// Leading blanks, an optional sign, digits with an optional '.' and fraction,
// an optional exponent; nothing may follow.
std::optional<double> ParseDecimalText(std::string_view text);

// Up to 15 significant digits without trailing zeros: fixed for magnitudes
// from 0.00001 to below 10^15, otherwise with an exponent ("1.5", "150", "1E-6").
std::string GeneralNumberText(double value);

// Fixed notation with the given decimals, right-aligned in the given width
// and wider when needed, like printf's "%10.5f".
std::string FixedText(double value, int width, int decimals);

// Shortest text that reads back as the same double, fixed or with an exponent
// ("1e+22"), whichever is shorter, as std::to_chars writes it.
std::string ExactNumberText(double value);

// The same choice of form, but a whole number too shows its shortest digits
// padded with zeros ("969728693705784300", not "969728693705784320"),
// negative zero is "0" and any NaN "nan", as Qt writes a double: the records
// of pictures saved so far hold such texts.
std::string ShortestNumberText(double value);
