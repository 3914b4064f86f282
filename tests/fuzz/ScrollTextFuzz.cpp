// Fuzzes the scroll-text file: whatever velmora.dll holds, reading it, building the scroller
// and the title from it and running the scroller must stay inside the arrays and end.
#include "MainUnit.h"
#include "platform/Clock.h"
#include "platform/HeadlessScreen.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Intro {
    Intro() {
        std::string directory = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
        if (mkdtemp(directory.data()) == nullptr) std::abort();
        std::filesystem::current_path(directory);
        application.CreateForm(form);
    }
    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication application{screen, clock};
    TfrmMain* form = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Intro intro;
    std::ofstream("velmora.dll", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    TfrmMain& form = *intro.form;
    form.BuildScroller();
    form.BuildTitle();
    if (form.ScrollCount > TfrmMain::ScrollCapacity) std::abort();
    for (int frame = 0; frame < 64; ++frame) {
        form.StepScroller();
        form.StepTitle();
    }
    return 0;
}
