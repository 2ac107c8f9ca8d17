// Compiled as a file of a lower layer, this must not build: the activity windows are above it.
#include "training/game_num1.h"
