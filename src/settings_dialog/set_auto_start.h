// Module1's Set_Auto_Start: the start-with-login entry follows the "mark" setting.
#pragma once

class AutoStart;
class QString;

// mark 1: add the entry (or point it at the current path); 0: remove it; anything else: nothing.
void Set_Auto_Start(AutoStart& autoStart, const QString& programPath);

// This program's full path as the operating system's entry names it.
QString currentProgramPath();
