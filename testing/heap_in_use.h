// Heap in use: the bytes the allocator has handed out and not had back,
// for the long runs that check a world's memory stays flat.
#pragma once

// Exact under AddressSanitizer (its own count of bytes asked for); otherwise
// the allocator's small blocks in use plus the large ones it maps on their own.
long heapInUse();

// Whether heapInUse() counts exactly the bytes asked for (the sanitizer's count).
bool heapCountIsExact();
