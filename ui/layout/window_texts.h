#pragma once

// What the window writes into its boxes, captions and message boxes besides
// the texts of its layout.

inline constexpr const char* WindowCaption = "Béta sugárzás spektrumának mérése";
inline constexpr const char* ErrorBoxTitle = "***  HIBA!! ***";
inline constexpr const char* RunningText = "Mérés fut";
inline constexpr const char* StopCaption = "Stop";
inline constexpr const char* ContinueCaption = "Folytatás";
// Edit14 from Start until the band's search has found it.
inline constexpr const char* BandNotYetText = "Nem határozható meg";

// The general error box's texts of a box whose text is no number ("%1": the text).
inline constexpr const char* NotAnIntegerMessage = "'%1' is not a valid integer value";
inline constexpr const char* NotADecimalMessage = "'%1' is not a valid floating point value";

// A source file chosen in teacher mode that cannot be used ("%1": its name,
// "%2": the line at fault, "%3": what is wrong there).
inline constexpr const char* SourceErrorTitle = "*** HIBA ***";
inline constexpr const char* SourceUnusableMessage = "A forrásfájl nem használható:\n%1\n%2. sor: %3.";
