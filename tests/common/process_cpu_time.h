#pragma once

// The processor time this process has used so far, user and system, in seconds
// (process_cpu_time_posix.cpp, process_cpu_time_win32.cpp).
double ProcessCpuSeconds();
