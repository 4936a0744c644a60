#pragma once
// Set-up of the batch conversion tests: the conversions' start with the Schlumberger array
// selected.
#include "conversions_fixture.h"
#include "form/applied_array.h"

namespace ohmira::test {

class BatchTest : public ConversionsTest {
protected:
    void SetUp() override {
        ConversionsTest::SetUp();
        Apply_Array(Array_Type::Schlumberger);
    }
};

} // namespace ohmira::test
