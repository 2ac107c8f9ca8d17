// Compiled as a file of a lower layer, this must not build: the shell is above it.
#include "shell/mainform.h"
