#include "forms/form.h"
int WindowValue() { return FormValue(); }
