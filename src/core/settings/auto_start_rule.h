// The start-with-login entry follows the "Start with windows start" setting.
#pragma once

class AutoStart;
class QString;

// 1: add the entry (or point it at the current path); 0: remove it; anything else: nothing.
void applyStartWithLogin(AutoStart& autoStart, const QString& programPath);
