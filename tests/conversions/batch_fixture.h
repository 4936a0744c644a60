#pragma once
// Set-up of the batch conversion tests: the shared start (state, English, a scripted dialog host
// and a fresh temporary folder) with the Schlumberger array selected.
#include "../app_fixture.h"

namespace ohmira::test {

class BatchTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        SEV.Option1.Value(true);
    }
};

} // namespace ohmira::test
