// The time left assumes that the trials to come cost what those done did on average;
// the series of a sweep cost unlike amounts, so the estimate moves as the run goes on.
#include "progress_line.h"

#include <algorithm>

namespace {

std::string progressText(std::int64_t done, std::int64_t total, std::chrono::seconds left)
{
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(left);
    return "ignaro-cli: " + std::to_string(done) + " of " + std::to_string(total) + " trials, about " +
           (minutes.count() > 0 ? std::to_string(minutes.count()) + " min " : "") +
           std::to_string((left - minutes).count()) + " s left";
}

} // namespace

ProgressLine::ProgressLine(std::ostream& terminal, std::int64_t total) : terminal_(terminal), total_(total) {}

ProgressLine::~ProgressLine()
{
    if (shown_ > 0)
        terminal_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
}

void ProgressLine::update(std::int64_t done)
{
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    if (elapsed < std::chrono::seconds(1) || done == 0)
        return;
    const auto left = std::chrono::ceil<std::chrono::seconds>(
        std::chrono::duration<double>(elapsed) * (static_cast<double>(total_ - done) / static_cast<double>(done)));
    const std::string text = progressText(done, total_, left);
    terminal_ << '\r' << text << std::string(shown_ > text.size() ? shown_ - text.size() : 0, ' ') << std::flush;
    shown_ = std::max(shown_, text.size());
}
