#pragma once

#include "Backend.h"

#include <memory>

// The Windows backend: dialogs are windows of the system's dialog manager, made from the
// templates at run time; message boxes are the system's.
std::unique_ptr<IWindowBackend> CreateWin32Backend();

// Starts the desktop program on Windows: a CWin32Backend and the framework's start-up,
// with the executable's own file name as the program's name. Returns the exit code.
int RunWin32Application(int argc, char** argv);
