#pragma once
int FormValue();
