#pragma once
// A line-by-line record of what the program did, for the end-to-end tests
// and benchmarks: written only when the environment variable TAVRIN_TRACE
// names a file.
#include <string>

namespace tavrin {

void Trace(const std::string& line);
// The process's working set, for the start-up benchmark.
void TraceWorkingSet();

}  // namespace tavrin
