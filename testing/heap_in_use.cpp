#include "heap_in_use.h"

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define HEAP_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEAP_UNDER_ASAN 1
#endif
#endif

#ifdef HEAP_UNDER_ASAN
// The sanitizer runtime's own count of bytes handed out; declared here because
// the compiler does not always ship the runtime's headers.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
long heapInUse() { return long(__sanitizer_get_current_allocated_bytes()); }
bool heapCountIsExact() { return true; }
#else
#include <malloc.h>
long heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return long(info.uordblks + info.hblkhd);
}
bool heapCountIsExact() { return false; }
#endif
