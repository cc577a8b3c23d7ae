#pragma once

#include "app/application.h"

// The whole program after the toolkit's start: the hit-test record, the window loaded and
// checked, the message loop, and the end-of-program hooks. Yields the exit code.
int RunProgram(const ApplicationSettings& settings);
