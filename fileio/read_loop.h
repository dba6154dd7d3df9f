// The shared frame of every reader's loop over the open cdlinfile.
#pragma once

#include <new>

#include "core/state.h"

namespace orvane {

// Runs read. A line too long to hold sets mem_full and keeps what was read; any other exception
// (a read error of the file layer) goes on to the caller. Either way the file is closed and
// finish runs first, so the drawing is left consistent.
template <class Read, class Finish>
void run_read_loop(Read read, Finish finish) {
  try {
    read();
  } catch (const std::bad_alloc&) {
    mem_full = true;
  } catch (...) {
    cdlinfile.Close();
    finish();
    throw;
  }
  cdlinfile.Close();
  finish();
}

}  // namespace orvane
