#pragma once

class QPainter;

namespace quolan {

// Our own drawings for the confirmation windows, on a 32 x 32 canvas.
void drawNewPost(QPainter& painter);
void drawEndOfSession(QPainter& painter);

} // namespace quolan
