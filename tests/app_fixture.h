#pragma once
// The start every subsystem test shares: the shared state of everything the test program links
// (linked_state.h) and the main window back to their start values, English, a scripted dialog host
// and a fresh folder for the files a test makes. Each subsystem's fixture adds only what it needs.
#include "folder_fixture.h"
#include "form/sev_form.h"
#include "linked_state.h"

namespace ohmira::test {

class AppTest : public FolderTest {
protected:
    void SetUp() override {
        reset_linked_state();
        reset_SEV();
        FolderTest::SetUp();
    }
    void TearDown() override {
        FolderTest::TearDown();
        reset_SEV();
        reset_linked_state();
        set_language('E');
    }
};

} // namespace ohmira::test
