#include "ProgressBar.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {
constexpr auto RedrawEvery = std::chrono::milliseconds(200);
constexpr int BarWidth = 30;
}  // namespace

ProgressBar::ProgressBar(std::ostream& out, bool enabled, std::optional<std::int64_t> total)
    : out_(out), enabled_(enabled), total_(total) {}

double ProgressBar::FramesPerSecond(std::int64_t frames) const {
    const std::chrono::duration<double> spent = Clock::now() - start_;
    return spent.count() > 0 ? static_cast<double>(frames) / spent.count() : 0.0;
}

void ProgressBar::Update(std::int64_t frames) {
    if (!enabled_) return;
    const auto now = Clock::now();
    if (drawn_ && now - lastDraw_ < RedrawEvery) return;
    lastDraw_ = now;
    Draw(frames);
}

void ProgressBar::Finish(std::int64_t frames) {
    if (!enabled_) return;
    Draw(frames);
    out_ << '\n' << std::flush;
}

void ProgressBar::Draw(std::int64_t frames) {
    drawn_ = true;
    std::string line = "\rcapture ";
    if (total_ && *total_ > 0) {
        const auto filled = static_cast<int>(std::min<std::int64_t>(BarWidth, frames * BarWidth / *total_));
        line += '[' + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(BarWidth - filled), '.') + "] ";
        line += std::to_string(frames) + '/' + std::to_string(*total_) + " frames";
    } else {
        line += std::to_string(frames) + " frames";
    }
    char speed[32];
    std::snprintf(speed, sizeof speed, ", %.0f fps   ", FramesPerSecond(frames));
    out_ << line << speed << std::flush;
}
