#include "ProgramIcon.h"

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/app/calorix.png"));
}
