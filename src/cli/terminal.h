// What the console needs from the operating system: the arguments as UTF-8, whether a stream
// is a terminal, Ctrl+C and the requests to end (SIGTERM, SIGHUP; closing the console window on
// Windows) during a run, and yes/no answers typed on the terminal.
#pragma once

#include <string>
#include <vector>

namespace terminal {

enum class EStrumien { Wejscie, Wyjscie, Bledy };
enum class EOdpowiedz { Tak, Nie, Przerwano };

// Makes the console print UTF-8 (Windows); nothing elsewhere.
void PrzygotujKonsole();
// The arguments after the program name, as UTF-8.
std::vector<std::string> ArgumentyUtf8(int argc, char** argv);

bool JestTerminalem(EStrumien eStrumien);

// From now on Ctrl+C is counted and a request to end is noted instead of ending the program,
// until WylaczPrzerwania(), which the program calls once the run has cleaned up.
void WlaczPrzerwania();
void WylaczPrzerwania();
// The signal that asked the program to end during the run (SIGTERM 15, SIGHUP 1; closing the
// console window on Windows counts as SIGTERM), or 0. It cancels the run without a question.
int SygnalZakonczenia();
// Ctrl+C presses counted since WlaczPrzerwania() or the last ZerujPrzerwania().
int LiczbaPrzerwan();
void ZerujPrzerwania();

// Reads one line from the terminal: "t", "tak", "y", "yes" (any case) are yes, anything else
// and the end of input are no. Przerwano when Ctrl+C has been counted beyond nPrzed, the count
// taken before the question was shown (so a press while it is being shown counts too), or a
// request to end has come.
EOdpowiedz CzytajTakNie(int nPrzed);

} // namespace terminal
