#pragma once
// The end of Qt's worker threads.
//
// Qt ends some threads of its own as the application object goes: the pool
// threads that paint large areas in parts, and the thread that reads the X
// server's events. It waits for each to finish its work, but the thread then
// still frees its own bookkeeping on its way out, beside whatever the program
// does next. A process that ends in that moment cuts the thread short, and
// the leak checker of the test builds, which looks at the very end, may find
// such a thread half gone and report what it was about to free as lost.

#include <chrono>

namespace tagrota::qt {

// Waits until none of those threads is left in the process, at most `limit`.
// Made for after the application object is gone; while it lives, its pool
// threads wait for work and this waits the whole limit.
void AwaitWorkerThreadsEnd(std::chrono::milliseconds limit = std::chrono::seconds(2));

// How many of those threads the process has now.
int WorkerThreadCount();

}  // namespace tagrota::qt
