#pragma once

#include <QString>

class QTranslator;

// Qt's own Hungarian texts (qtbase_hu.qm), where Qt says its translations
// are installed.
QString QtHungarianFile();

// Loads the translation file into translator and puts it to work for the
// whole application: the buttons of message boxes and the file dialog then
// speak Hungarian. False when the file cannot be loaded; Qt's texts stay
// English then.
bool InstallTranslation(QTranslator& translator, const QString& file);
