// The application object: title, main form, the message loop with its idle processing,
// and the standard error report.
#pragma once

#include "Clock.h"
#include "Screen.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TForm;

// Work done whenever the message loop finds no message waiting (the frame timer).
class IdleHandler {
public:
    virtual ~IdleHandler() = default;
    // Does the idle work; returns how many microseconds may pass before it wants to run
    // again, or nothing when it needs no time until something changes.
    virtual std::optional<std::uint64_t> Idle() = 0;
    // The application became active (true) or inactive (false).
    virtual void ApplicationActivated(bool active) = 0;
};

class TApplication {
public:
    TApplication(Screen& screen, Clock& clock);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    std::string Title;

    void Initialize() {}

    // Creates the main form: loads its description, opens its window and runs its creation
    // handler; an error there is reported and creation goes on.
    template <class FormClass>
    void CreateForm(FormClass*& reference) {
        auto form = std::make_unique<FormClass>(*this);
        reference = form.get();
        AdoptMainForm(std::move(form));
    }

    // Shows the main form and dispatches messages until it closes.
    void Run();
    // Handles every message that is waiting, without waiting for more.
    void ProcessMessages();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Active() const { return active_; }

    // The standard error report for the exception being handled: stderr and a message box.
    void HandleException();
    void ShowError(const std::string& text);
    // The report for an error the show goes on after: stderr only, never a box that would
    // stop the frames (or hide behind a full-screen window).
    void LogError(const std::string& text) const;

    void AddIdleHandler(IdleHandler* handler);
    void RemoveIdleHandler(IdleHandler* handler);

    Screen& GetScreen() { return screen_; }
    Clock& GetClock() { return clock_; }
    TForm* MainForm() { return mainForm_.get(); }

private:
    void AdoptMainForm(std::unique_ptr<TForm> form);
    void Dispatch(const ScreenEvent& event);
    // Runs the idle handlers; returns how long the loop may wait for a message, in ms (-1: no limit).
    int DoIdle();
    void DestroyMainForm();

    Screen& screen_;
    Clock& clock_;
    std::unique_ptr<TForm> mainForm_;
    std::vector<IdleHandler*> idleHandlers_;
    bool terminated_ = false;
    bool active_ = true;
};
