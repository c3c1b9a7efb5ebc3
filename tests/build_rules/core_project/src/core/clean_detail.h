#pragma once
#include "core/clean.h"
