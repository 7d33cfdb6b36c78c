// Start-up breakdown for the bench: with a diagnostics file, each stage of
// the start writes "startup STAGE MS ms WS KB" (time since the program's
// entry, working set then). Without one, marking costs nothing.
#pragma once

void BeginStartupTrace(bool enabled);
void MarkStartup(const wchar_t* stage);
