#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

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

// The general error box: the program's name over a message that ends with a full stop.
inline constexpr const char* GeneralErrorTitle = "Vantor";

// A source file chosen in teacher mode that cannot be used ("%1": its name,
// "%2": the line at fault, "%3": what is wrong there).
inline constexpr const char* SourceErrorTitle = "*** HIBA ***";
inline constexpr const char* SourceUnusableMessage = "A forrásfájl nem használható:\n%1\n%2. sor: %3.";

// A text above with its marks "%1", "%2", … filled in one pass, so that a
// filling holding a mark, as a file's name may, stays as it is.
inline std::string FilledText(std::string_view text, std::initializer_list<std::string_view> fills)
{
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t mark = at + 1 < text.size() ? std::size_t(text[at + 1] - '1') : fills.size();
        if (text[at] == '%' && mark < fills.size()) {
            filled += fills.begin()[mark];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

inline std::string GeneralErrorText(std::string_view message)
{
    std::string text(message);
    if (!text.ends_with('.'))
        text += '.';
    return text;
}
