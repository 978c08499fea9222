// The idle-inhibit protocol's interface tables, generated as C and compiled here as
// C++. The client header comes first: it declares the tables with C linkage, which
// their definitions then keep (a const definition alone would be file-local in C++).
#include "idle-inhibit-unstable-v1-client-protocol.h"

#include "idle-inhibit-unstable-v1-protocol.c"
