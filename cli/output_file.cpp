#include "cli/output_file.h"

#include "evidence/file_writing.h"

#include <QFileInfo>

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
    if (path.empty() || !QFileInfo(QString::fromStdString(path)).isSymLink())
        return std::nullopt;
    return Message({WriteFault::SymbolicLink, {}}, path, what);
}
