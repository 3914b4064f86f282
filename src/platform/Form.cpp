#include "Form.h"

#include "Application.h"

TForm::TForm(TApplication& application) : Application(application) {}

void TForm::SetBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    if (windowCreated_) Application.GetScreen().SetBorderStyle(style);
}

void TForm::Close() {
    if (Application.MainForm() == this) Application.Terminate();
}

void TForm::CreateWindowAndRunCreate() {
    Screen& screen = Application.GetScreen();
    screen.OpenWindow(Caption, ClientWidth, ClientHeight);
    screen.SetBorderStyle(borderStyle_);
    windowCreated_ = true;
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (...) {
        Application.HandleException();
    }
}

void TForm::DoDestroy() {
    if (!OnDestroy) return;
    try {
        OnDestroy(this);
    } catch (...) {
        Application.HandleException();
    }
}

void TForm::DoKeyDown(std::uint16_t key) {
    if (!OnKeyDown) return;
    try {
        OnKeyDown(this, key, TShiftState{});
    } catch (...) {
        Application.HandleException();
    }
}
