// Copies of the header, "SP;" and "ST;" sections from a pass's input to its output.
#pragma once

#include "filtr/przebieg.h"

// Header line, "SN;", the SN lines, "SX;".
void KopiujSekcjeSN(CKontekstPrzebiegu& k);
// "SP;", the SP lines, "SX;". With a stage text, it also drives the progress display.
void KopiujSekcjeSP(CKontekstPrzebiegu& k, const std::string* pEtap = nullptr);
// "ST;", the ST records as read, "SX;".
void KopiujSekcjeST(CKontekstPrzebiegu& k, const std::string* pEtap = nullptr);
