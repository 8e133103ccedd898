#include "cli/common/utf8_console.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>

#include <string>

namespace {

// The length of text without an unfinished UTF-8 sequence at its end, which
// waits for the rest of its bytes.
std::size_t CompleteLength(const std::string& text)
{
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return needed > back ? size - back : size;
        }
    }
    return size;
}

class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : m_console(console) {}
    ~ConsoleBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            m_pending.push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        m_pending.append(text, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override
    {
        const std::size_t complete = CompleteLength(m_pending);
        const int length = static_cast<int>(complete);
        const int wideLength = MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, m_pending.data(), length, wide.data(), wideLength);
        DWORD written = 0;
        const bool ok = wide.empty() || WriteConsoleW(m_console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        m_pending.erase(0, complete);
        return ok ? 0 : -1;
    }

private:
    HANDLE m_console;
    std::string m_pending;
};

// The console behind a standard handle, or nothing when it is redirected.
HANDLE Console(DWORD standardHandle)
{
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}

Utf8Console::Utf8Console()
{
    if (const HANDLE console = Console(STD_OUTPUT_HANDLE)) {
        m_output = std::make_unique<ConsoleBuffer>(console);
        m_savedOutput = std::cout.rdbuf(m_output.get());
    }
    if (const HANDLE console = Console(STD_ERROR_HANDLE)) {
        m_error = std::make_unique<ConsoleBuffer>(console);
        m_savedError = std::cerr.rdbuf(m_error.get());
    }
}

#else

Utf8Console::Utf8Console() = default;

#endif

Utf8Console::~Utf8Console()
{
    std::cout.flush();
    std::cerr.flush();
    if (m_savedOutput)
        std::cout.rdbuf(m_savedOutput);
    if (m_savedError)
        std::cerr.rdbuf(m_savedError);
}
