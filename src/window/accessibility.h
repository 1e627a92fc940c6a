#pragma once

namespace rods {

class FormControls;

// Gives every box, button, frame, the list and the board the name and
// description a screen reader speaks; the board's labels speak only while
// the board uses them.
void nameControls(FormControls& controls);

} // namespace rods
