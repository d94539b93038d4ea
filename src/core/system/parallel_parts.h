#pragma once

#include <functional>

namespace sorvik1 {

// Runs part(0) .. part(parts - 1) at the same time: part 0 on the calling
// thread, every other part on a thread of its own. Returns when every part
// has stopped. A part that throws does not end the program: the first
// exception thrown is rethrown here, on the caller's thread, once all parts
// have stopped, so a worker that runs out of memory is answered like the
// caller running out of memory. Fewer than one part runs part 0 alone.
void runParts(int parts, const std::function<void(int part)>& part);

} // namespace sorvik1
