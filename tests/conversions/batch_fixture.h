#pragma once
// Set-up of the batch conversion tests: the conversions' start with the Schlumberger array
// selected.
#include "conversions_fixture.h"

namespace ohmira::test {

class BatchTest : public ConversionsTest {
protected:
    void SetUp() override {
        ConversionsTest::SetUp();
        SEV.Option1.Value(true);
    }
};

} // namespace ohmira::test
