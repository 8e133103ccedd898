#pragma once

#include <filesystem>

// The folder of the source files shipped with the programs. It is found from
// the running program's own file, so that an installed copy names the one it
// was installed with and a build names the copy in its build tree; the
// window and vantor-cli find it alike.
std::filesystem::path ShippedSourcesFolder();
