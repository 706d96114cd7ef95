#pragma once

namespace aec::test {

// Offscreen drawing and a private run-time folder, unless the caller chose otherwise.
void PrepareEnvironment();

} // namespace aec::test
