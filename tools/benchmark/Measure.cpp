#include "Measure.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace brindlemoor::bench {

double processorSeconds() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values) { return percentile(std::move(values), 50.0); }

double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const double rank = p / 100.0 * static_cast<double>(values.size() - 1);
    const std::size_t low = static_cast<std::size_t>(rank);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    const double fraction = rank - static_cast<double>(low);
    return values[low] * (1.0 - fraction) + values[high] * fraction;
}

namespace {
double statusFieldMiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            std::istringstream numbers(line.substr(std::string(field).size()));
            double kib = 0.0;
            numbers >> kib;
            return kib / 1024.0;
        }
    }
    return 0.0;
}
}  // namespace

double residentMiB() { return statusFieldMiB("VmRSS:"); }
double peakResidentMiB() { return statusFieldMiB("VmHWM:"); }


void printTable(std::ostream& out, const std::vector<Row>& rows) {
    std::size_t width = 6;
    for (const Row& row : rows) {
        width = std::max(width, row.figure.size());
    }
    out << std::left << std::setw(static_cast<int>(width)) << "figure" << "  " << std::right << std::setw(10)
        << "value" << "  " << std::left << std::setw(4) << "unit" << "  budget\n";
    out << std::string(width + 30, '-') << "\n";
    for (const Row& row : rows) {
        out << std::left << std::setw(static_cast<int>(width)) << row.figure << "  " << std::right << std::setw(10)
            << std::fixed << std::setprecision(row.value < 10 ? 2 : 1) << row.value << "  " << std::left
            << std::setw(4) << row.unit << "  " << row.budget << "\n";
    }
    out.flush();
}

}  // namespace brindlemoor::bench
