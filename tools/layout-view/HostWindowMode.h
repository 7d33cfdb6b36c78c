// layout-view --window: the layer in a real dialog host window, as the
// program would show it, with clicks printed to standard output.
#pragma once

#include <string>

// Runs the window modally; it closes on Escape or the close command, or by
// itself after the given seconds (0: never). 1 when the layer does not load.
int RunInHostWindow(const std::string& layerText, int seconds);
