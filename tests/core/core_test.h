// Every core test case starts from the start-up state and leaves no printer or limit behind.
#pragma once

#include <gtest/gtest.h>

#include "core/core.h"
#include "platform/printer.h"

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }

 private:
  static void reset() {
    orvane::set_current_printer(nullptr);
    orvane::element_memory::set_block_limit(0);
    orvane::startup();
  }
};
