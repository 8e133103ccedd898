#include "ui/general_error.h"

#include "dialogs/dialogs.h"
#include "ui/layout/window_texts.h"

#include <QString>

void ShowGeneralError(Dialogs& dialogs, QWidget* parent, const QString& message)
{
    dialogs.ShowMessage(parent, GeneralErrorTitle, QString::fromStdString(GeneralErrorText(message.toStdString())),
                        Dialogs::Icon::Error);
}
