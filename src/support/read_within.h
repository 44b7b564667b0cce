#pragma once
// Runs a read that may hang (a dead network mount, a stuck USB disk, a FIFO
// swapped in after a look) on a thread of its own and waits for it a bounded
// time. A read that does not come back in time is left to finish on its own
// thread, which owns everything the read touches: what it returns then is
// dropped there, and nobody waits for that thread again.

#include <chrono>
#include <future>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

namespace ec {

// What `read()` returns, or nothing when it did not come back within `limit`
// (or no thread could be started for it, which is treated the same way). An
// exception thrown by `read` is rethrown here. `read` must own copies of all
// it uses: it may outlive the caller.
template <typename Read>
auto ReadWithin(std::chrono::milliseconds limit, Read read) -> std::optional<std::invoke_result_t<Read&>> {
  using Result = std::invoke_result_t<Read&>;
  std::packaged_task<Result()> task(std::move(read));
  std::future<Result> result = task.get_future();
  try {
    // The task's state is shared with `result`; whichever lets go last frees it.
    std::thread(std::move(task)).detach();
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  if (result.wait_for(limit) != std::future_status::ready) return std::nullopt;
  return result.get();
}

}  // namespace ec
