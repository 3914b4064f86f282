#include "Application.h"

#include "Form.h"

#include <algorithm>
#include <iostream>

TApplication::TApplication(Screen& screen, Clock& clock) : screen_(screen), clock_(clock) {}

TApplication::~TApplication() { DestroyMainForm(); }

void TApplication::AdoptMainForm(std::unique_ptr<TForm> form) {
    mainForm_ = std::move(form);
    mainForm_->CreateWindowAndRunCreate();
}

void TApplication::DestroyMainForm() {
    if (mainForm_ == nullptr) return;
    mainForm_->DoDestroy();
    mainForm_.reset();
}

void TApplication::Run() {
    if (mainForm_ == nullptr) return;
    screen_.ShowWindow();
    while (!terminated_) {
        ProcessMessages();
        if (terminated_) break;
        const int waitMs = DoIdle();
        if (waitMs != 0) {
            if (const auto event = screen_.NextEvent(waitMs)) Dispatch(*event);
        }
    }
}

void TApplication::ProcessMessages() {
    while (!terminated_) {
        const auto event = screen_.NextEvent(0);
        if (!event) return;
        Dispatch(*event);
    }
}

void TApplication::Dispatch(const ScreenEvent& event) {
    switch (event.kind) {
    case ScreenEvent::Kind::KeyDown:
        if (mainForm_ != nullptr) mainForm_->DoKeyDown(event.key);
        break;
    case ScreenEvent::Kind::CloseRequested:
        if (mainForm_ != nullptr) mainForm_->Close();
        break;
    case ScreenEvent::Kind::Activated:
    case ScreenEvent::Kind::Deactivated: {
        const bool active = event.kind == ScreenEvent::Kind::Activated;
        if (active == active_) break;
        active_ = active;
        for (IdleHandler* handler : idleHandlers_) handler->ApplicationActivated(active);
        break;
    }
    }
}

int TApplication::DoIdle() {
    std::optional<std::uint64_t> wait;
    // By index: a handler may add or remove handlers, and the loop runs every frame, so no copy.
    for (std::size_t i = 0; i < idleHandlers_.size(); ++i) {
        std::optional<std::uint64_t> wanted;
        try {
            wanted = idleHandlers_[i]->Idle();
        } catch (...) {
            HandleException();
            wanted = 0;
        }
        if (wanted && (!wait || *wanted < *wait)) wait = wanted;
        if (terminated_) return 0;
    }
    if (!wait) return -1;
    // Round up, so the loop wakes when the handler is due, not just before.
    return static_cast<int>(std::min<std::uint64_t>((*wait + 999) / 1000, 1'000'000));
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError("Unknown error");
    }
}

void TApplication::ShowError(const std::string& text) {
    LogError(text);
    screen_.ShowError(Title, text);
}

void TApplication::LogError(const std::string& text) const { std::cerr << Title << ": " << text << std::endl; }

void TApplication::AddIdleHandler(IdleHandler* handler) { idleHandlers_.push_back(handler); }

void TApplication::RemoveIdleHandler(IdleHandler* handler) {
    std::erase(idleHandlers_, handler);
}
