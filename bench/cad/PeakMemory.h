#pragma once
// Peak memory of one piece of work, measured in a child process so that what
// the benchmark program itself holds does not count.

#include <functional>

// The peak resident set size in megabytes of a child process that runs `work`
// once, or -1 when the child could not be run.
double peakMegabytesInChild(const std::function<void()>& work);
