#pragma once
// Counts the calls of the global operator new made by the benchmark program.

namespace wattora::bench {

long AllocationCount();

}  // namespace wattora::bench
