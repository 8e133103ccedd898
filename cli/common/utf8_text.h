#pragma once

#include <filesystem>
#include <string>
#include <vector>

// vantor-cli keeps every text in UTF-8, paths included; these are its doors
// to the system, which speaks UTF-8 on Linux but UTF-16 on Windows.

// The command line's arguments after the program's name.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]);

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);
