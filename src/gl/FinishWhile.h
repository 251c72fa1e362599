// Waiting for the frame's drawing to finish without going deaf: the renderer
// works through the frame's commands while `meanwhile` runs every few
// milliseconds (the frame loop handles the window's key events there, so a
// key pressed during a slow frame is taken with its time).
#pragma once

namespace brindlemoor::gl {

// Returns once every GL command issued so far has finished.
void finishWhile(void (*meanwhile)(), double interval = 0.002);

}  // namespace brindlemoor::gl
