#include "BassMOD.h"

TBassMOD::TBassMOD(TObject* /*Owner*/) {}

bool TBassMOD::PlayModule(std::span<const std::uint8_t> /*block*/) { return false; }

void TBassMOD::StopModule() {}
