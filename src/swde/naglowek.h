// The header section ("SN;"): the file pair record, reading a source header and writing the
// target header.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CPlikWynikowy;
class CSWDEException;

// The 13 header fields shown and edited, in the order of the header tabs.
enum EPoleNaglowka {
    PoleTR, PoleTN, PoleTA, PoleTO, PoleDN, PoleZN, PoleZR,
    PoleZD, PoleOP, PoleOR, PoleON, PoleOA, PoleOO,
    LICZBA_POL_NAGLOWKA
};

using CPolaNaglowka = std::array<std::string, LICZBA_POL_NAGLOWKA>;

// One source file and its target. Texts are code page 1250, except the stored lines, which
// stay as the source has them.
struct CParaPlikow {
    std::string m_strZrodlo;     // full source path
    std::string m_strCel;        // full target path
    CPolaNaglowka m_zrodlowe;    // header values read from the source
    // Header values written to the target; its PoleDN is the target date "%d-%02d-%02d".
    CPolaNaglowka m_docelowe;
    std::string m_strZachowane;  // further header lines for the target, each ended by "\n"
};

// The two-letter code of a field ("TR" ... "OO").
std::string_view KodPola(EPoleNaglowka ePole);
// The field of a code, or LICZBA_POL_NAGLOWKA for a code that is none of the 13.
EPoleNaglowka PoleZKodu(std::string_view strKod);

// A header line cut into its first token ("NS", or "NU" for a user line), its second token
// (the field code) and the value: everything after the one separator (blank, comma or tab)
// that follows the second token. Views into the line.
struct CWierszNaglowka {
    std::string_view strPierwszy, strDrugi, strWartosc;
};
CWierszNaglowka PodzielWierszNaglowka(std::string_view str);

struct CData {
    int nRok = 0, nMiesiac = 0, nDzien = 0;
};
// "%d-%02d-%02d"
std::string TekstDaty(const CData& data);

// The characters of a target header text (UTF-8, as a front end has it) that the header cannot
// carry: control characters (a line end among them) and characters ISO-8859-2 lacks, each once,
// in the order met. A printable character is named as itself, a control character or a broken
// byte as "U+XXXX". Empty when the text can be written as it stands.
std::vector<std::string> ZnakiSpozaNaglowka(std::string_view strUtf8);

// Reads the source header of the pair into its header values and stored lines. The target date
// is set only when the source header has a "DN" line. CSWDEException when the file cannot be
// opened (error 0) or is no SWDE file (error 1).
void CzytajNaglowek(CParaPlikow& para, const CData& dataCelu);
// The text a failed header read is shown with: the error's full text, followed by the source
// path for a file that is no SWDE file (error 1).
std::string TekstBleduNaglowka(const CSWDEException& blad, const std::string& strZrodlo);

// Writes the header line and the whole "SN;" section of the target.
void ZapiszNaglowek(const CParaPlikow& para, CPlikWynikowy& plik);
