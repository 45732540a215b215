// The edge between the engine's code page 1250 texts and paths and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>

// A code page 1250 text as Qt shows it.
QString Q(const std::string& strCp1250);
// A text from Qt in code page 1250 ('?' for a character the code page lacks).
std::string Cp(const QString& str);

// A path from Qt (a dialog, a drop, a typed name) as the engine's full code page 1250 path with
// the platform's separators; false when code page 1250 cannot carry it (the engine could never
// open the file).
bool SciezkaSilnika(const QString& strSciezka, std::string& strCp1250);
// An engine path as the window shows it.
QString SciezkaOkna(const std::string& strCp1250);
// The warning for a path SciezkaSilnika refused.
QString TekstNazwySpozaStrony(const QString& strSciezka);
