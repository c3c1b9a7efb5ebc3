#pragma once
#include <string>

#include "core/clean_detail.h"
int CleanValue();
