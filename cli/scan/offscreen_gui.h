#pragma once

#include <memory>

class QGuiApplication;

// Text on a QImage needs a QGuiApplication. A command-line program has none
// and may run where there is no display, so while an OffscreenGui lives there
// is one, on the offscreen platform; a program that already has an
// application keeps its own.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    // The application keeps references to them for its whole life.
    int m_argc = 1;
    char m_name[11] = "vantor-cli";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
};
