#pragma once
// Set-up of the conversions tests: the shared start (state, English, a fresh main window, a
// scripted dialog host and a temporary folder) and the core's reader to check what was written.
#include "../app_fixture.h"
#include "core/qd3_file.h"
#include "core/sounding.h"

namespace ohmira::test {

class ConversionsTest : public AppTest {
protected:
    // The QD3 file read back by the core's reader into the sounding.
    static void load_qd3(std::string p) {
        File_Name = "check.QD3";
        File_Layout = 3;
        Load_QD3(p);
    }
};

} // namespace ohmira::test
