// Program entry: takes no arguments.
#include "MainUnit.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/SdlScreen.h"

#include <exception>
#include <iostream>
#include <string>

int main() {
    try {
        SdlScreen screen;
        SteadyClock clock;
        TApplication Application(screen, clock);
        Application.Initialize();
        Application.Title = std::string("Velmora - ") + GroupAddress;
        TfrmMain* frmMain = nullptr;
        Application.CreateForm(frmMain);
        Application.Run();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "velmora: " << error.what() << std::endl;
        return 1;
    }
}
