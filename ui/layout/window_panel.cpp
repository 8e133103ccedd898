#include "ui/layout/window_panel.h"

#include "base/number_text.h"
#include "ui/layout/window_texts.h"

std::optional<std::int32_t> ReadInteger(WindowPanel& panel, std::string_view control)
{
    const std::string text = panel.Text(control);
    const std::optional<std::int32_t> read = ParseIntegerText(text);
    if (!read)
        panel.ShowGeneralError(FilledText(NotAnIntegerMessage, {text}));
    return read;
}

std::optional<double> ReadDecimal(WindowPanel& panel, std::string_view control)
{
    const std::string text = panel.Text(control);
    const std::optional<double> read = ParseDecimalText(text);
    if (!read)
        panel.ShowGeneralError(FilledText(NotADecimalMessage, {text}));
    return read;
}
