#pragma once

#include <functional>

// Runs the routine on a new thread of its own, not waited for. Yields whether the thread
// was started; when it was not, the work does not happen.
bool StartWorker(std::function<void()> routine);

// How many started workers have not yet returned (for an orderly end and for tests).
int RunningWorkerCount();
