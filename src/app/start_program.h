#pragma once

namespace zbw {

// The program's start routine: sets up the frame, builds the main window and runs the loop.
int StartProgram();

} // namespace zbw
