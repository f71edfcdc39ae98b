#pragma once

#include <QCoreApplication>

#include "support/bench_program.h"

// Lets Qt lay out and paint what the last event changed.
inline void Settle() {
  QCoreApplication::processEvents();
}
