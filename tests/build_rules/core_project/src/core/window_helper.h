#pragma once
#include "core/clean.h"
#include "forms/form.h"
