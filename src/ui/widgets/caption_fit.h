// The windows are laid out for the fonts they were designed with. Where the font actually used
// (a stand-in on Linux) writes a caption wider than its control, the control is widened to it.
#pragma once

class QWidget;

// Widens every check box, option button and label in window whose caption would be cut off;
// nothing is made narrower or moved.
void widenToFitCaptions(QWidget& window);
