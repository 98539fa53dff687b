// The headless runner.
#include "app/runner.h"

int RunnerMain(int, char**) { return 0; }
