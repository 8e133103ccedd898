#include "ui/layout/picture_name.h"

std::string PictureNumberPrefix(int number)
{
    const std::string digits = std::to_string(number);
    return std::string(digits.size() < 2 ? 2 - digits.size() : 0, '0') + digits + '_';
}

std::string NumberedPictureName(int number, std::string_view name)
{
    return PictureNumberPrefix(number) + std::string(name) + ".jpg";
}
