#include "forms/form.h"
int FormValue() { return 1; }
