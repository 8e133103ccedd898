#include "cli/scan/offscreen_gui.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Without a desktop session there is no runtime folder, and Qt would warn
// about it on every plot; a private one keeps standard error for results.
// Only Unix desktops have such a folder.
void EnsureRuntimeFolder()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + "/vantor-runtime-" + QString::number(getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#endif
}

}

OffscreenGui::OffscreenGui()
{
    if (QCoreApplication::instance())
        return;
    // Windows' own platform draws without showing anything and is the one
    // shipped there; elsewhere only the offscreen one works without a display.
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    EnsureRuntimeFolder();
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

OffscreenGui::~OffscreenGui() = default;
