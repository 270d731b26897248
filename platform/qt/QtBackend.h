#pragma once

#include "Backend.h"

#include <memory>
#include <string>

// The desktop backend: dialogs are Qt Widgets windows. A QApplication must exist.
std::unique_ptr<IWindowBackend> CreateQtBackend();

// Starts the desktop program: checks that a display is there, creates the QApplication
// and a CQtBackend and runs the framework's start-up. Returns the process exit code.
// Qt aborts the process when its display cannot be opened, so where none can be reached
// nothing starts: strProblem says why in one line, for the program to report, and the
// code is 1.
int RunQtApplication(int argc, char** argv, std::string& strProblem);
