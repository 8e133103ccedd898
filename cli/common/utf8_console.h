#pragma once

#include <memory>
#include <streambuf>

// While it lives, what the program writes in UTF-8 to std::cout and std::cerr
// shows as written on a Windows console, which would read the bytes in its
// own code page; there the text goes to the console as UTF-16. Redirected
// output, and everything on Linux, stays the UTF-8 bytes written.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    std::unique_ptr<std::streambuf> m_output;
    std::unique_ptr<std::streambuf> m_error;
    std::streambuf* m_savedOutput = nullptr;
    std::streambuf* m_savedError = nullptr;
};
