// The bouncing text scroller.
#include "MainUnit.h"

std::string TfrmMain::LoadScrollText(const std::string& /*fileName*/) { return {}; }
void TfrmMain::BuildScroller() {}
void TfrmMain::StepScroller() {}
