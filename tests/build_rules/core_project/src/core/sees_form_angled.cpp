#include <core/window_helper.h>
int SeesFormAngled() { return FormValue(); }
