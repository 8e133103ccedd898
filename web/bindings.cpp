// What the page's script sees of the window: the layout, the drawing, the
// controls' states and the window's handlers.

#include "core/simulation.h"
#include "generated/vantor_version.h"
#include "record/picture_sealing.h"
#include "ui/layout/about_texts.h"
#include "ui/layout/apparatus_drawing.h"
#include "ui/layout/colours.h"
#include "ui/layout/window_layout.h"
#include "ui/layout/window_texts.h"
#include "web/page_window.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Panel: return "panel";
    case ControlKind::Picture: return "picture";
    case ControlKind::Shape: return "shape";
    case ControlKind::StaticText: return "statictext";
    case ControlKind::Label: return "label";
    case ControlKind::Title: return "title";
    case ControlKind::Edit: return "edit";
    case ControlKind::ReadOnlyEdit: return "readonly";
    case ControlKind::Button: return "button";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::UpDown: return "updown";
    }
    return "";
}

const char* FocusName(FocusTaking focus)
{
    switch (focus) {
    case FocusTaking::Never: return "never";
    case FocusTaking::ByClick: return "click";
    case FocusTaking::ByTab: return "tab";
    }
    return "";
}

val RectObject(const ControlRect& rect)
{
    val object = val::object();
    object.set("x", rect.x);
    object.set("y", rect.y);
    object.set("width", rect.width);
    object.set("height", rect.height);
    return object;
}

val PointObject(const PicturePoint& point)
{
    val object = val::object();
    object.set("x", point.x);
    object.set("y", point.y);
    return object;
}

val Layout()
{
    val controls = val::array();
    for (const ControlPlace& place : WindowLayout()) {
        val control = val::object();
        control.set("name", std::string(place.name));
        control.set("parent", std::string(place.parent));
        control.set("kind", std::string(KindName(place.kind)));
        control.set("rect", RectObject(place.rect));
        control.set("client", RectObject(ClientRect(place)));
        control.set("text", std::string(place.text));
        control.set("shown", place.shown);
        control.set("focus", std::string(FocusName(Focus(place))));
        control.set("colour", place.start.colour);
        control.set("textColour", place.start.textColour);
        controls.call<void>("push", control);
    }
    return controls;
}

val Window()
{
    val window = val::object();
    window.set("clientWidth", ClientWidth);
    window.set("clientHeight", ClientHeight);
    window.set("caption", std::string(WindowCaption));
    window.set("pictureWidth", ApparatusPictureWidth);
    window.set("pictureHeight", ApparatusPictureHeight);
    window.set("visibleWidth", ApparatusVisibleWidth);
    window.set("wallPenWidth", WallPenWidth);
    window.set("signPixelSize", SignPixelSize);
    window.set("funnelSeed", PointObject(FunnelSeed));
    val colours = val::object();
    colours.set("teal", Colours::Teal);
    colours.set("moneyGreen", Colours::MoneyGreen);
    colours.set("white", Colours::White);
    colours.set("black", Colours::Black);
    colours.set("normalColor", Colours::NormalColor);
    window.set("colours", colours);
    return window;
}

// The About box's lines; the version line names the browser edition.
val About()
{
    val about = val::object();
    about.set("competition", std::string(AboutCompetitionLine));
    about.set("task", std::string(AboutTaskLine));
    about.set("program", std::string(AboutProgramLine));
    about.set("version", VersionLineText(VantorVersionMajor, VantorVersionMinor, VantorVersionPatch, VantorVersionTweak)
                             + BrowserEditionNote);
    return about;
}

val Drawing()
{
    val steps = val::array();
    for (const DrawingStep& step : ApparatusDrawing()) {
        val object = val::object();
        const char* kind = step.kind == DrawingStep::Kind::Wall ? "wall"
                         : step.kind == DrawingStep::Kind::Fill ? "fill"
                                                                : "sign";
        object.set("kind", std::string(kind));
        val points = val::array();
        for (const PicturePoint& point : step.points)
            points.call<void>("push", PointObject(point));
        object.set("points", points);
        object.set("rect", RectObject(step.rect));
        object.set("colour", step.colour);
        object.set("text", std::string(step.text));
        steps.call<void>("push", object);
    }
    return steps;
}

// Fills the funnel in the picture's pixels as the page's canvas holds them
// (bytes R, G, B, A); the pixels come back filled.
val FillFunnel(val rgba, int width, int height)
{
    std::vector<std::uint32_t> pixels = emscripten::convertJSArrayToNumberVector<std::uint32_t>(
        val::global("Uint32Array").new_(rgba["buffer"]));
    FloodFillWhite(pixels.data(), width, height, width, FunnelSeed, Colours::RgbaPixel(Colours::White),
                   Colours::RgbaPixel(Colours::Teal));
    val filled = val::global("Uint32Array").new_(pixels.size());
    filled.call<void>("set", val(emscripten::typed_memory_view(pixels.size(), pixels.data())));
    return filled;
}

val Controls(const PageWindow& window)
{
    val controls = val::object();
    for (const auto& [name, state] : window.Controls()) {
        val control = val::object();
        control.set("text", state.text);
        control.set("colour", state.colour);
        control.set("enabled", state.enabled);
        control.set("readOnly", state.readOnly);
        control.set("checked", state.checked);
        control.set("shown", state.shown);
        control.set("rect", RectObject(state.rect));
        controls.set(name, control);
    }
    return controls;
}

// The tracks' pixels as a view of the module's memory, to be copied at once,
// and the part changed; nothing when no track changed.
val Tracks(PageWindow& window)
{
    const std::optional<ControlRect> changed = window.TakeTracksChanged();
    if (!changed)
        return val::null();
    const std::vector<std::uint32_t>& pixels = window.TrackPixels();
    val tracks = val::object();
    tracks.set("pixels", val(emscripten::typed_memory_view(pixels.size() * 4,
                                                           reinterpret_cast<const std::uint8_t*>(pixels.data()))));
    tracks.set("width", window.TrackPictureWidth());
    tracks.set("changed", RectObject(*changed));
    return tracks;
}

val Messages(PageWindow& window)
{
    val messages = val::array();
    for (const PageMessage& message : window.TakeMessages()) {
        val object = val::object();
        object.set("title", message.title);
        object.set("text", message.text);
        messages.call<void>("push", object);
    }
    return messages;
}

val Bytes(std::string_view bytes)
{
    val array = val::global("Uint8Array").new_(bytes.size());
    array.call<void>("set", val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()))));
    return array;
}

std::string BytesOf(const val& array)
{
    const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
    return std::string(bytes.begin(), bytes.end());
}

// The JPEG of the page's canvas with the window's record in it, the offset of
// the digest's digits, and the name to download it under.
val PageWindowPicture(PageWindow& window, val jpeg, std::string name, std::string savedAt, bool teacherMode)
{
    const PagePicture picture = window.PictureToSeal(BytesOf(jpeg), name, savedAt, teacherMode);
    val object = val::object();
    object.set("file", Bytes(picture.picture.file));
    object.set("digestAt", picture.picture.digestAt);
    object.set("fileName", picture.fileName);
    return object;
}

// The picture with digest, the browser's SHA-256 of file, in place.
val SealedPicture(val file, std::size_t digestAt, std::string digest)
{
    return Bytes(Sealed({BytesOf(file), digestAt}, digest));
}

val Counts(const PageWindow& window)
{
    const RunState& run = window.Sim().run;
    val counts = val::object();
    counts.set("launched", run.launchedCount);
    counts.set("detected", run.detectedCount);
    counts.set("running", run.running);
    return counts;
}

// The setting in the units the simulation keeps: tesla, volts per metre, joules.
val Origin(const PageWindow& window)
{
    const CountOrigin& origin = window.Origin();
    val setting = val::object();
    setting.set("magneticField", origin.setting.filter.magneticField);
    setting.set("electricField", origin.setting.filter.electricField);
    setting.set("tunedEnergy", origin.setting.filter.tunedEnergy);
    setting.set("slitStep", origin.setting.slitStep);
    setting.set("source", origin.setting.source);
    val object = val::object();
    object.set("setting", setting);
    object.set("detectorCleared", origin.detectorCleared);
    object.set("passLower", origin.passLower);
    object.set("passUpper", origin.passUpper);
    object.set("passWidth", origin.passWidth);
    object.set("alone", origin.alone);
    return object;
}

}

EMSCRIPTEN_BINDINGS(vantor)
{
    emscripten::function("layout", &Layout);
    emscripten::function("window", &Window);
    emscripten::function("drawing", &Drawing);
    emscripten::function("about", &About);
    emscripten::function("fillFunnel", &FillFunnel);
    emscripten::function("sealed", &SealedPicture);
    emscripten::class_<PageWindow>("PageWindow")
        .constructor<>()
        .function("controls", &Controls)
        .function("typed", &PageWindow::Typed)
        .function("entered", &PageWindow::Entered)
        .function("clicked", &PageWindow::Clicked)
        .function("stepped", &PageWindow::Stepped)
        .function("flyFor", &PageWindow::FlyFor)
        .function("running", &PageWindow::Running)
        .function("loadSource", &PageWindow::LoadSource)
        .function("tracks", &Tracks)
        .function("messages", &Messages)
        .function("counts", &Counts)
        .function("countOrigin", &Origin)
        .function("pictureToSeal", &PageWindowPicture);
}
