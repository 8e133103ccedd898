#pragma once

#include <string>
#include <string_view>

// The number a numbered picture's name begins with and the "_" after it:
// two digits up to 99 ("07_"), then 100, 101, ... rather than starting again.
std::string PictureNumberPrefix(int number);

// "Képernyő mentése"'s name for the picture of that number: the prefix, the
// name chosen and ".jpg" ("04_spektrum.jpg"; any extension typed is kept).
std::string NumberedPictureName(int number, std::string_view name);
