// Counts the heap allocations of the test program, to prove that a piece of work
// allocates nothing. Linking this file replaces the global operator new.
#ifndef RUVA_TESTS_SUPPORT_ALLOCATION_COUNTER_H_
#define RUVA_TESTS_SUPPORT_ALLOCATION_COUNTER_H_

#include <cstdint>

// Allocations made through operator new since the program started.
uint64_t allocationCount();

#endif  // RUVA_TESTS_SUPPORT_ALLOCATION_COUNTER_H_
