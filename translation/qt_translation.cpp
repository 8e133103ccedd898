#include "translation/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString QtHungarianFile()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_hu.qm");
}

bool InstallTranslation(QTranslator& translator, const QString& file)
{
    return translator.load(file) && QCoreApplication::installTranslator(&translator);
}
