// CRC-32 checksum lines: every section end becomes "SXC,<crc>;" and the file end
// "SWDEXC,<crc>;" (standard CRC-32: reflected 0x04C11DB7, preset and final inversion).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Feeds the bytes of the text to the register; neither presets nor inverts.
std::uint32_t ObliczCRC(std::uint32_t nRejestr, std::string_view strTekst);

// The register advanced through n zero bytes, worked out in a few dozen steps whatever n is
// (the register is linear in its start, so one register serves a run of bytes for two starts).
std::uint32_t PrzesunCRC(std::uint32_t nRejestr, std::uint64_t nBajtow);

// The checksums of a file written or read line by line. Every line but the end lines is fed
// with Wiersz, in file order; a line that starts a section ("SN", "SP", "ST", "SO") opens the
// section's register. A section checksum covers its start line and every line up to its end
// line, then "SXC,"; the file checksum every line before the file end line (the new "SXC,"
// lines in full), then "SWDEXC,". Inside a section only the section's register is fed, a few
// kilobytes at a time; the file's follows from it at the section's end.
class CSumyCRC {
public:
    void Wiersz(std::string_view strWiersz);
    // Whether a section is open (its start line was fed, its end not yet).
    bool WSekcji() const { return m_bWSekcji; }
    // The end line of the open section, "SXC,<crc>;"; it counts for the file checksum.
    std::string KoniecSekcji();
    // The file end line, "SWDEXC,<crc>;".
    std::string KoniecPliku();

    // For a file being verified: the checksums its end lines should carry, and the closing of
    // the open section by its end line as it stands in the file.
    std::uint32_t SumaSekcji();
    std::uint32_t SumaPliku();
    void ZamknijSekcje(std::string_view strKoniec);

    // The numbers the two end lines carry.
    static std::uint32_t Suma(std::uint32_t nRejestr, std::string_view strZamkniecie);

private:
    // Feeds the section's waiting bytes to its register.
    void Nakarm();
    // Nakarm, and the file's register brought up to date.
    void Dogon();

    std::uint32_t m_nPlik = 0xFFFFFFFFu;
    std::uint32_t m_nSekcja = 0xFFFFFFFFu;
    bool m_bWSekcji = false;
    std::uint32_t m_nPlikPrzedSekcja = 0xFFFFFFFFu; // the file's register when the section opened
    std::uint64_t m_nBajtySekcji = 0;               // bytes of the section fed so far
    std::string m_strCzekajace;                     // section bytes not yet fed
};

// Whether the line starts a section: its first two characters are "SN", "SP", "ST" or "SO".
bool ZaczynaSekcje(std::string_view strWiersz);
