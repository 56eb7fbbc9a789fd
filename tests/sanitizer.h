#pragma once
// VEXAMO_UNDER_ASAN is defined when AddressSanitizer is built in: it reserves more address space
// than any limit a memory test sets, so such tests skip themselves.
#if defined(__SANITIZE_ADDRESS__)
#define VEXAMO_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEXAMO_UNDER_ASAN 1
#endif
#endif
