#pragma once

// The windowed program: application object, splash, the start-up sequence,
// the message loop and the shutdown. Returns the process exit status.
int RunGuiProgram(int& argc, char** argv);
