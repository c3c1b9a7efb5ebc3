#include "core/clean.h"
int CleanValue() { return 2; }
