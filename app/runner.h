// The headless runner: reads a script of mouse events and ticks, writes state JSON and frames.
#pragma once

// tarvolin-headless SCRIPT (a path, or - for standard input). Returns the exit status: 0 when
// the whole script ran, 2 at the first bad line (nothing after it runs), 1 when the game cannot
// start.
int RunnerMain(int argc, char** argv);
