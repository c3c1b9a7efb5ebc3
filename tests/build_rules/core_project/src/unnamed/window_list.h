#pragma once
#include "forms/form.h"
