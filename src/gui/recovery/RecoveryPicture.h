#pragma once

class QPainter;

namespace quolan {

// Our own drawing for the recovery window, on a 32 x 32 canvas.
void drawRecoveredPost(QPainter& painter);

} // namespace quolan
