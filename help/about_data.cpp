#include "help/about_data.h"

#include "generated/vantor_version.h"
#include "ui/layout/about_texts.h"

#include <QFile>
#include <QStringList>

#include <stdexcept>

// The resources live in a static library, and nothing there refers to their
// registration code, so the linker would drop it unless asked for by name.
static void RegisterAboutResources()
{
    Q_INIT_RESOURCE(about);
}

namespace {

const QString PicturePath = QStringLiteral(":/about/vantor.jpg");
const QString CreditsPath = QStringLiteral(":/about/credits.txt");

QByteArray ReadResource(const QString& path)
{
    RegisterAboutResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Missing resource " + path.toStdString());
    return file.readAll();
}

}

VersionNumbers ReadFileVersion()
{
    return {static_cast<quint16>(VantorVersionMajor), static_cast<quint16>(VantorVersionMinor),
            static_cast<quint16>(VantorVersionPatch), static_cast<quint16>(VantorVersionTweak)};
}

QString VersionLine(const VersionNumbers& version)
{
    return QString::fromStdString(VersionLineText(version.major, version.minor, version.release, version.build));
}

QByteArray ProgramPictureJpeg()
{
    return ReadResource(PicturePath);
}

QImage LoadProgramPicture()
{
    QImage picture;
    if (!picture.loadFromData(ProgramPictureJpeg(), "JPEG"))
        throw std::runtime_error("Cannot decode " + PicturePath.toStdString());
    return picture;
}

Credits LoadCredits()
{
    const QStringList lines =
        QString::fromUtf8(ReadResource(CreditsPath)).split(u'\n', Qt::SkipEmptyParts);
    Credits credits;
    if (lines.size() != 1 + qsizetype(credits.lines.size()))
        throw std::runtime_error("Expected a heading and four lines in " + CreditsPath.toStdString());
    credits.heading = lines.front().trimmed();
    for (std::size_t i = 0; i < credits.lines.size(); ++i)
        credits.lines[i] = lines[qsizetype(i) + 1].trimmed();
    return credits;
}
