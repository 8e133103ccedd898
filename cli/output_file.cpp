#include "cli/output_file.h"

#include "evidence/file_writing.h"

#include <QString>

std::optional<std::string> WriteOutputFile(const std::string& path, QByteArrayView bytes, const std::string& what)
{
    const std::optional<WriteFailure> failure = WriteFileReplacing(QString::fromStdString(path), bytes,
                                                                   AtLink::Refuse);
    if (!failure)
        return std::nullopt;
    return "vantor-cli: a(z) " + what + " nem írható: " + FaultText(*failure).toStdString() + " (" + path + ")";
}
