#include "cli/output_file.h"

#include "evidence/file_writing.h"

#include <QFile>

std::optional<std::string> WriteOutputFile(const std::string& path, QByteArrayView bytes, const std::string& what)
{
    const std::optional<WriteFailure> failure = WriteFileReplacing(QFile::decodeName(path.c_str()), bytes,
                                                                   AtLink::Refuse);
    if (!failure)
        return std::nullopt;
    return "vantor-cli: a(z) " + what + " nem írható: " + FaultText(*failure).toStdString() + " (" + path + ")";
}
