// Times one page fetch in process and reports how much memory it took at its
// peak. Usage: page_fetch_bench URL  ->  one JSON line.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "actions/page_fetch.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  PROCESS_MEMORY_COUNTERS before{};
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  vodrelik::ByteSet body = vodrelik::page_fetch(argv[1]);
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS after{};
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  std::printf("{\"bytes\":%zu,\"seconds\":%.6f,\"peak_growth\":%zu}\n", body.length,
              static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart,
              static_cast<std::size_t>(after.PeakPagefileUsage - before.PagefileUsage));
  return 0;
}
