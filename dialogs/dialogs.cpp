#include "dialogs/dialogs.h"

#include <QCoreApplication>

void Dialogs::ShowGeneralError(QWidget* parent, const QString& message)
{
    const QString text = message.endsWith(u'.') ? message : message + u'.';
    ShowMessage(parent, QCoreApplication::applicationName(), text, Icon::Error);
}
