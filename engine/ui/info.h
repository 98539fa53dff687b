// The info screen: the program's name, version and the maker's other games.
#pragma once

void InfoScreen();
