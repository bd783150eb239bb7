// The font of the program's dialogs, so that the settings and progress windows read alike.
#pragma once

#include <QFont>

QFont dialogFont();
