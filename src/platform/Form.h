// A top-level window with a client area, a caption, a border and the create, destroy and
// key-down events, wired to handlers by the form's own description.
#pragma once

#include "Screen.h"
#include "Types.h"

#include <cstdint>
#include <functional>
#include <string>

class TApplication;

struct TShiftState {
    bool Shift = false;
    bool Alt = false;
    bool Ctrl = false;
};

class TForm : public TObject {
public:
    explicit TForm(TApplication& application);

    TApplication& Application;

    std::string Caption;
    int ClientWidth = 320;
    int ClientHeight = 240;
    bool KeyPreview = false;
    bool DoubleBuffered = false;

    std::function<void(TObject* Sender)> OnCreate;
    std::function<void(TObject* Sender)> OnDestroy;
    std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyDown;

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);

    // The form's ordinary close; closing the main form ends the application.
    void Close();

    // Called by the application object.
    void CreateWindowAndRunCreate();
    void DoDestroy();
    void DoKeyDown(std::uint16_t key);

private:
    BorderStyle borderStyle_ = BorderStyle::Single;
    bool windowCreated_ = false;
};
