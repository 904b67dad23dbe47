#include "bench/resident_memory.h"

#include <fstream>
#include <sstream>

namespace waves {

std::optional<double> resident_mebibytes(const std::string& pid) {
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        double kibibytes = 0.0;
        if (fields >> kibibytes) return kibibytes / 1024.0;
    }
    return std::nullopt;
}

}  // namespace waves
