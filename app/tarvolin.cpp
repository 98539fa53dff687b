// tarvolin: the game on the desktop.
int main() { return 0; }
