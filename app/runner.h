// The headless runner: reads a script of mouse events and ticks, writes state JSON and frames.
#pragma once

int RunnerMain(int argc, char** argv);
