// How far a long run has got, on the terminal: one line drawn over itself with the
// trials done of all and the time left, shown from the first second on.
#pragma once
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

class ProgressLine {
public:
    ProgressLine(std::ostream& terminal, std::int64_t total);
    ~ProgressLine(); // clears the line, so that notices start on a clean one
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    void update(std::int64_t done);

private:
    std::ostream& terminal_;
    std::int64_t total_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::size_t shown_ = 0; // characters of the line on screen
};
