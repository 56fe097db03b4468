// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every test starts from and leaves behind.
//
// Constructing it switches every seam double on and empties it, fixes today,
// makes a fresh program context and wires the windows to it as start-up
// does; destroying it fails the test for every message box or file or
// colour dialog that appeared without an answer scripted for it (naming its
// text), then switches the doubles back to empty. Hold one per test function:
//
//   std::optional<TestFixture> fixture;
//   void init() { fixture.emplace(); }
//   void cleanup() { fixture.reset(); }

#include "core/date.h"
#include "platform/programcontext.h"

#include <memory>

// The day the tests run on.
inline constexpr core::Date kTestToday{2026, 12, 8};

class TestFixture {
public:
    explicit TestFixture(core::Date today = kTestToday);
    ~TestFixture();
    TestFixture(const TestFixture&) = delete;
    TestFixture& operator=(const TestFixture&) = delete;

    // The context of the test under way (the fixture alive).
    static ProgramContext& context();

    // Every seam double on and empty, today fixed.
    static void resetSeams(core::Date today);
    // A fresh context in place of the current one, the windows wired to it.
    void renewContext();

private:
    std::unique_ptr<ProgramContext> context_;
};

// Scripts the OK of an information or warning box the test expects.
void expectBox();
