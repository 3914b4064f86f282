// velmora-capture: the intro rendered to frames, a video stream and its music, without a
// display and without real time. See CaptureUsage (--help).
#include "Capture.h"
#include "CaptureOptions.h"
#include "CaptureOutputs.h"
#include "ProgressBar.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void Interrupt(int /*signal*/) { interrupted = true; }

// Ctrl+C ends the capture between two frames, so every file is completed and the intro's temp
// files are removed; a reader that goes away makes writes fail instead of killing the process.
void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = Interrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void Report(const CaptureOptions& options, const CaptureSummary& summary) {
    std::cerr << "velmora-capture: " << summary.Frames << " frames (ticks 0 to " << summary.Frames - 1 << ") at "
              << options.Rate << " fps";
    if (summary.EscapeTick) std::cerr << ", Escape on tick " << *summary.EscapeTick;
    std::cerr << (summary.Closed        ? ", the intro closed on the last frame"
                  : summary.Interrupted ? ", interrupted"
                                        : ", stopped by --frames")
              << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    CaptureOptions options;
    try {
        options = ParseCaptureOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const OptionError& error) {
        std::cerr << "velmora-capture: " << error.what() << "\nTry 'velmora-capture --help'.\n";
        return 2;
    }
    if (options.Help) {
        std::cout << CaptureUsage();
        return 0;
    }
    InstallSignalHandlers();

    try {
        CaptureOutputs outputs(options);
        ProgressBar progress(std::cerr, !options.Quiet, options.FrameLimit);
        const CaptureSummary summary = RunCapture(options, outputs, progress, &interrupted);
        progress.Finish(summary.Frames);
        outputs.Finish(summary);
        if (!options.Quiet || summary.Interrupted) Report(options, summary);
        return summary.Interrupted ? 130 : 0;
    } catch (const std::exception& error) {
        std::cerr << "\nvelmora-capture: " << error.what() << '\n';
        return 1;
    }
}
