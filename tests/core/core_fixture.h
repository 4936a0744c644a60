#pragma once
// Set-up of the core tests: the shared start (state, English, scripted dialog host, a fresh
// temporary folder) and nothing more.
#include "../app_fixture.h"
#include "core/sounding.h"

namespace ohmira::test {

using CoreTest = AppTest;

} // namespace ohmira::test
