#include "ui/layout/about_texts.h"

std::string VersionLineText(unsigned major, unsigned minor, unsigned release, unsigned build)
{
    return VersionLineStart + std::to_string(major) + '.' + std::to_string(minor) + '.' + std::to_string(release) + '.'
         + std::to_string(build);
}
