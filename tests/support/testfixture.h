// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every test starts from and leaves behind.
//
// Constructing it switches every seam double on and empties it, fixes today,
// and resets every program-wide value to what start-up gives; destroying it
// does the same again, after failing the test for every message box or file
// or colour dialog that appeared without an answer scripted for it (naming
// its text). Hold one per test function:
//
//   std::optional<TestFixture> fixture;
//   void init() { fixture.emplace(); }
//   void cleanup() { fixture.reset(); }

#include "core/date.h"

// The day the tests run on.
inline constexpr core::Date kTestToday{2026, 12, 8};

class TestFixture {
public:
    explicit TestFixture(core::Date today = kTestToday);
    ~TestFixture();
    TestFixture(const TestFixture&) = delete;
    TestFixture& operator=(const TestFixture&) = delete;

    // Every seam double on and empty, every program-wide value as at start-up.
    static void resetProgramState(core::Date today);
};

// Scripts the OK of an information or warning box the test expects.
void expectBox();
