#pragma once

#include "core/count_origin.h"
#include "ui/layout/window_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the window's handlers ask of a window: its controls by the layout's
// names, and the few things each window shows in its own way.
class WindowPanel {
public:
    virtual ~WindowPanel() = default;

    virtual std::string Text(std::string_view control) const = 0;
    // A box whose text changes runs its change handler, as the window's boxes do.
    virtual void SetText(std::string_view control, const std::string& text) = 0;
    virtual void SetEnabled(std::string_view control, bool enabled) = 0;
    virtual bool Checked(std::string_view control) const = 0;
    virtual void SetChecked(std::string_view control, bool checked) = 0;
    // An input box's background, 0xRRGGBB.
    virtual void SetColour(std::string_view control, std::uint32_t colour) = 0;
    virtual void SetReadOnly(std::string_view control, bool readOnly) = 0;
    virtual void SetShown(std::string_view control, bool shown) = 0;
    virtual ControlRect Rect(std::string_view control) const = 0;
    virtual void SetRect(std::string_view control, const ControlRect& rect) = 0;

    // The general error box.
    virtual void ShowGeneralError(const std::string& message) = 0;
    // The error box of a refused entry.
    virtual void ShowRefusal(const std::string& text) = 0;
    // The error box of a source that cannot be used.
    virtual void ShowSourceError(const std::string& message) = 0;
    // The name of the source in use, on the apparatus.
    virtual void ShowSourceName(const std::string& name) = 0;
    // A refused box wants the focus back, its text selected.
    virtual void TakeFocusBack(std::string_view control) = 0;

    // The launched count is gone: its tracks and any launch not yet shown go too.
    virtual void ForgetLaunches() = 0;
    // The detected count is gone: a detection not yet shown is forgotten.
    virtual void ForgetDetections() = 0;
    // The counters and the measuring time as they are now.
    virtual void RefreshRunDisplays() = 0;
    // The setting the counts are being measured at.
    virtual CountSetting SettingNow() const = 0;
};

// A box's text read as a number, or nothing once the general error box has
// said that it is none.
std::optional<std::int32_t> ReadInteger(WindowPanel& panel, std::string_view control);
std::optional<double> ReadDecimal(WindowPanel& panel, std::string_view control);
