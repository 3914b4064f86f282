#include "IntroFixture.h"

IntroFixture::IntroFixture() : IntroFixture(DeferForm{}) { CreateForm(); }

IntroFixture::IntroFixture(DeferForm) { Application.Title = "velmora test"; }

void IntroFixture::CreateForm() { Application.CreateForm(frmMain); }

void IntroFixture::Tick() {
    clock.AdvanceMillis(15);
    frmMain->dxTimer->Idle();
}

void IntroFixture::TickUntil(std::int32_t tickCount) {
    while (frmMain->TickCount < tickCount) Tick();
}

void IntroFixture::PressKey(std::uint16_t key) {
    screen.Push({ScreenEvent::Kind::KeyDown, key});
    Application.ProcessMessages();
}

std::uint16_t IntroFixture::FramePixel(int x, int y) const {
    return screen.LastFrame().at(static_cast<std::size_t>(y * 320 + x));
}
