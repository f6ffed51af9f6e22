// The program's icon (resources/calorix.png, a drop and a thermometer), used
// by the main window and the About window.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
