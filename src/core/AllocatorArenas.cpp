#include "AllocatorArenas.h"

// Any C library header says which C library this is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void AllocatorArenas::limit()
{
#if defined(__GLIBC__)
    ::mallopt(M_ARENA_MAX, Limit);
#endif
}
