#include <qtui/widgets.h>

#include "core/clean.h"
int SeesQtui() { return 4; }
