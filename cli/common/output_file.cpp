#include "cli/common/output_file.h"

#include "files/file_writing.h"

namespace {

std::string Message(const WriteFailure& failure, const std::string& path, const std::string& what)
{
    return "vantor-cli: " + what + " nem írható: " + FaultText(failure).toStdString() + " (" + path + ")";
}

}

std::optional<std::string> WriteOutputFile(const std::string& path, QByteArrayView bytes, const std::string& what)
{
    const std::optional<WriteFailure> failure = WriteFileReplacing(QString::fromStdString(path), bytes,
                                                                   AtLink::Refuse);
    if (!failure)
        return std::nullopt;
    return Message(*failure, path, what);
}

std::optional<std::string> OutputLinkRefusal(const std::string& path, const std::string& what)
{
    if (path.empty())
        return std::nullopt;
    const std::optional<WriteFailure> link = LinkAtOrAbove(QString::fromStdString(path));
    if (!link)
        return std::nullopt;
    return Message(*link, path, what);
}
