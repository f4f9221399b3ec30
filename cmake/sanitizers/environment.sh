# Sourced before running tests built with the "asan" preset (.ci/run does). Leak checking stays on
# for our code; only the distribution's libraries are suppressed (lsan.supp). Undefined behaviour
# stops the test that shows it.
sanitizers=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
unset sanitizers
