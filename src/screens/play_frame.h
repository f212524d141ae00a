// The fixed decorations of the play screen.
#pragma once

// Paints plates, bars, level tabs, the empty progress-strip slots, the exit
// button and the side panel into `background`, which from then on is the
// clean copy of the play screen every repaint copies from; and writes the
// new-game button's caption into the sprite sheet. Shows nothing by itself.
void drawPlayFrame();
