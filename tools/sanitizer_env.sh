# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by tools/sanitize.sh and tools/fuzz.sh: how the sanitizer runtimes behave, for the
# tools that run while the tree builds, the tests and the fuzz targets alike. Leak detection is
# on and nothing is suppressed.
# A size no allocation can have (SDL computes one for a corrupt sample rate) gives null, as it
# does with the C library, instead of ending the process: SDL then reports the error itself.
export ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
