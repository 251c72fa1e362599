// Timing, statistics and memory readings for the benchmark.
#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace brindlemoor::bench {

inline double nowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Processor time this process has used so far, all threads together: less
// sensitive than the clock to other work on the machine.
double processorSeconds();

double median(std::vector<double> values);
double percentile(std::vector<double> values, double p);  // p in 0..100

// Resident memory of this process in MiB: now, and the peak so far.
double residentMiB();
double peakResidentMiB();

// One row of the result table.
struct Row {
    std::string figure;
    double value;
    std::string unit;
    std::string budget;  // empty when the figure has none
};

void printTable(std::ostream& out, const std::vector<Row>& rows);

}  // namespace brindlemoor::bench
