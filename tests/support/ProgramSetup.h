#pragma once

namespace testsupport {

// Runs once before the tests, under the QApplication. Does nothing unless a
// test program defines it (the programs that draw themed controls install the
// standard theme there).
void ProgramSetup();

}  // namespace testsupport
