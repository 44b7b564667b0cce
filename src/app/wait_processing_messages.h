#pragma once
// Waiting on the window thread without freezing it: long operations and the
// feedback captions hold still this way while clicks and repaints go on.

namespace ec {

// Handles every event that is waiting right now, once.
void ProcessPendingEvents();

// Sleeps in steps of 10 ms and handles the pending events after each step,
// until `milliseconds` have passed. Zero or less only handles pending events.
void WaitProcessingMessages(int milliseconds);

}  // namespace ec
