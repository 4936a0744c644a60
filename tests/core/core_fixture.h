#pragma once
// Set-up of the core tests: the sounding's state back to its start values, English, a scripted
// dialog host and a fresh temporary folder. Nothing of the window: these tests link the core alone.
#include "../folder_fixture.h"
#include "core/sounding.h"

namespace ohmira::test {

class CoreTest : public FolderTest {
protected:
    void SetUp() override {
        reset_core_state();
        FolderTest::SetUp();
    }
    void TearDown() override {
        FolderTest::TearDown();
        reset_core_state();
    }
};

} // namespace ohmira::test
