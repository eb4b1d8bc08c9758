// Whether the tests run under AddressSanitizer (the sanitizer pass of `make asan-test`): loops
// that play long wars or load hundreds of files shorten there, where their point is memory safety;
// the ordinary pass runs them whole.
#pragma once

namespace gm::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kUnderSanitizer = true;
#else
inline constexpr bool kUnderSanitizer = false;
#endif
#else
inline constexpr bool kUnderSanitizer = false;
#endif

}  // namespace gm::testing
