// Property checks of the fuzz targets: a violated property aborts, which libFuzzer reports.
#ifndef ZOR_TESTS_FUZZ_FUZZ_REQUIRE_H
#define ZOR_TESTS_FUZZ_FUZZ_REQUIRE_H

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
  }
}

}  // namespace fuzz

#endif
