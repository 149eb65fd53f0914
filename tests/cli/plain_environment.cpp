// The programs these tests run speak Russian and write numbers with '.',
// whatever locale and interface languages the user running the tests has; a
// test that wants another language or locale sets it for its run.
#include <cstdlib>

namespace {

const bool kPlainEnvironment = [] {
    unsetenv("LANGUAGE");
    return setenv("LC_ALL", "C", 1) == 0;
}();

}  // namespace
