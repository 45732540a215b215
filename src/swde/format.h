// The SWDE file format as the system reads and writes it: the file's first line, the section
// tags, the end lines, and the relation symbols with Polish letters that the engine names
// (ISO-8859-2 bytes, as they stand in the files).
#pragma once

#include <string_view>

namespace format {

inline constexpr std::string_view NAGLOWEK_PLIKU = "SWDE.w.2.00.(C) GUGiK 2000;";

// The four sections, in the order the system reads and writes them.
enum class ESekcja { SN, SP, ST, SO };

// The start line of a section ("SN;", "SP;", "ST;", "SO;").
constexpr std::string_view Znacznik(ESekcja eSekcja) {
    switch (eSekcja) {
    case ESekcja::SN:
        return "SN;";
    case ESekcja::SP:
        return "SP;";
    case ESekcja::ST:
        return "ST;";
    case ESekcja::SO:
        break;
    }
    return "SO;";
}

// The section whose start line the line is ("SN;" ... "SO;" as its first three characters), or
// -1 for any other line.
constexpr int SekcjaPoczatku(std::string_view str) {
    if (str.size() < 3 || str[0] != 'S' || str[2] != ';')
        return -1;
    switch (str[1]) {
    case 'N':
        return static_cast<int>(ESekcja::SN);
    case 'P':
        return static_cast<int>(ESekcja::SP);
    case 'T':
        return static_cast<int>(ESekcja::ST);
    case 'O':
        return static_cast<int>(ESekcja::SO);
    default:
        return -1;
    }
}

// A section is read line by line (SN, SP) or record by record (ST, SO).
constexpr bool JestSekcjaWierszy(ESekcja eSekcja) {
    return eSekcja == ESekcja::SN || eSekcja == ESekcja::SP;
}

// End lines as the filtering passes write them; readers know them by their first characters.
inline constexpr std::string_view KONIEC_SEKCJI = "SX;";
inline constexpr std::string_view KONIEC_PLIKU = "SWDEX;";
inline constexpr std::string_view KONIEC_REKORDU = "X;";
inline constexpr std::string_view POCZATEK_KONCA_SEKCJI = "SX";
inline constexpr std::string_view POCZATEK_KONCA_PLIKU = "SWDEX";
// The end-of-file mark of old DOS programs (Ctrl+Z), which may stand after the file end line.
inline constexpr std::string_view ZNAK_KONCA_DOS = "\x1A";
// The checksum forms of the end lines, followed by the number and ";".
inline constexpr std::string_view KONIEC_SEKCJI_CRC = "SXC,";
inline constexpr std::string_view KONIEC_PLIKU_CRC = "SWDEXC,";

// Relation symbols with Polish letters: Ł = A3, Ż = AF, Ą = A1.
inline constexpr std::string_view G5RWLS = "G5RW\xA3S";
inline constexpr std::string_view G5RWLD = "G5RW\xA3"
                                           "D";
inline constexpr std::string_view G5RPWL = "G5RPW\xA3";
inline constexpr std::string_view G5RZONA = "G5R\xAF"
                                            "ONA";
inline constexpr std::string_view G5RMAZ = "G5RM\xA1\xAF";

} // namespace format
