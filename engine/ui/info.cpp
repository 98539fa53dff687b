// The info screen: every frame while Screen is 3, the corners are lit and the game's name, the
// maker's other games and the addresses are queued over the board area.
#include "engine/ui/info.h"

#include "engine/text1252.h"
#include "engine/ui/text.h"

// Font 2 for running text, font 4 for the names of the games and for the addresses. The
// addresses use the reserved name EXAMPLE: they lead nowhere real.
const std::array<TScreenLine, InfoLineCount> InfoLines = {{
    {60, 2, "TARVOLIN 1.0 FREEWARE 2026"},
    {160, 2, "WEITERE FREEWARESPIELE VON"},
    {180, 2, "WWW.TARVOLIN.EXAMPLE:"},
    {200, 4, "-FUNKENFLUG"},
    {220, 2, " ,EIN FLINKES GESCHICKSPIEL"},
    {240, 2, " ,MIT FUNKEN UND SPIEGELN"},
    {260, 4, W1252<"-WÜRFELTURM">()},
    {280, 2, W1252<" ,STAPELN SIE DIE WÜRFEL">()},
    {300, 2, W1252<" ,SO HOCH SIE KÖNNEN">()},
    {320, 4, "-MURMELBAHN"},
    {340, 2, " ,BAUEN SIE IHRE BAHN UND"},
    {360, 2, "  LASSEN SIE DIE KUGELN ROLLEN"},
    {380, 4, "-FARBFLUT & FARBFLUT 2"},
    {400, 2, W1252<" ,FÜR DIE GANZE FAMILIE">()},
    {440, 2, "ALLES BEI:"},
    {460, 4, "           WWW.TARVOLIN.EXAMPLE"},
    {480, 2, "KONTAKT:"},
    {500, 4, "           POST@TARVOLIN.EXAMPLE"},
}};

void InfoScreen() {
  LightScreenCorners(1.5);
  for (const TScreenLine& line : InfoLines) QueueText(InfoTextX, line.Y, line.Font, 0, line.Text);
}
