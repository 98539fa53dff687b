// tarvolin-headless: runs the game from a script with no window and no sound device.
#include "app/runner.h"

int main(int argc, char** argv) {
  return RunnerMain(argc, argv);
}
