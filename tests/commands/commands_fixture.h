#pragma once
// Set-up of the tests of the commands on the sounding and its plot: the shared start (all state and
// the main window, English, scripted dialog host, a fresh temporary folder) and nothing more.
#include "../app_fixture.h"
#include "core/sounding.h"

namespace ohmira::test {

using CommandsTest = AppTest;

} // namespace ohmira::test
