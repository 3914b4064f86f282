// The two-line title that flies in from both sides.
#include "MainUnit.h"

void TfrmMain::BuildTitle() {}
void TfrmMain::StepTitle() {}
