// Whether the desktop program has a graphical display to show itself on. Without one Qt would
// abort with a message about reinstalling; the program says what is missing instead, and
// where calculations work without a display.
#pragma once

#include <optional>
#include <string>

namespace tabulex {

// Nothing when a display can be reached (or a platform without one was chosen, such as
// "offscreen"); otherwise the line for standard error.
std::optional<std::string> MissingDisplayMessage();

}  // namespace tabulex
