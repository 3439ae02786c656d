#pragma once

namespace sw::app {

// Sets the C library's allocator for this program: one busy thread that may
// build the same report of a few mebibytes again and again.
// - One arena for every thread, so that what a helper thread frees (the font
//   configuration's reading) is reused by the window, not kept apart.
// - Blocks up to 8 MiB come from the heap, and up to 16 MiB of it is kept
//   when freed. The largest table (about 1 MiB as UTF-8, 2 MiB as the text
//   box takes it) is then built again in memory already mapped; otherwise
//   every request maps fresh pages, which the system must zero one by one.
// Call it before any thread starts.
void UseAllocatorPolicy();

// Gives back to the system the heap that is free: once the first window is
// up, what start-up freed would otherwise be kept for reports.
void ReleaseFreeHeap();

}  // namespace sw::app
