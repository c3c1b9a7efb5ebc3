#include "core/clean.h"
#include "core/window_helper.h"
int SeesForm() { return FormValue(); }
