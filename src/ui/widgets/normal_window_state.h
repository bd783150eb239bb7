// Keeps a small fixed window in its normal state. Window managers may offer minimise and
// maximise on any window, whatever hints it sets; a minimised Settings dialog or About window
// would leave the bar's menu blocked with nothing on the screen to bring it back.
#pragma once

class QWidget;

// From now on a minimise, maximise or full-screen change of window is undone at once: the
// window comes back at its normal size and place.
void keepInNormalState(QWidget& window);
