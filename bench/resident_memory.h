// The resident memory of a process (VmRSS of /proc/PID/status), in MiB.
#pragma once

#include <optional>
#include <string>

namespace waves {

// pid is a process id or "self". Nothing when the file cannot be read.
std::optional<double> resident_mebibytes(const std::string& pid = "self");

}  // namespace waves
