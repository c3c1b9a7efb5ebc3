#include <string>
#include <QString>
int SeesQt() { return 3; }
