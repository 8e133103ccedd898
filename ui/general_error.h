#pragma once

class Dialogs;
class QString;
class QWidget;

// The box of a failed conversion or file operation, with the error icon and
// the texts of ui/layout/window_texts.h.
void ShowGeneralError(Dialogs& dialogs, QWidget* parent, const QString& message);
