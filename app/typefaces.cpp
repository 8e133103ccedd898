#include "app/typefaces.h"

#include <QFont>
#include <QStringList>

void UseMetricTwinTypefaces()
{
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
}
