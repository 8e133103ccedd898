#include "files/file_writing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A table still open in a spreadsheet program: Windows refuses to replace it
// with the words it uses for a folder closed to the user, and the message must
// say which of the two it is.
TEST(HeldFile, AFileAnotherProgramHoldsOpenIsNamedInUseAndKeepsItsBytes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("meres.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("régi\n");
    }
    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    const std::optional<WriteFailure> failure = WriteFileReplacing(path, "új\n");
    CloseHandle(held);

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->fault, WriteFault::FileInUse) << failure->detail.toStdString();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("régi\n"));
    }
    EXPECT_FALSE(WriteFileReplacing(path, "új\n")) << "the file is free again";
}

} // namespace
