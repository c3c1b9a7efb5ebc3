#include <QString>
#include <string>
int SeesQt() { return 3; }
