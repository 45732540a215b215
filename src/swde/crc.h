// CRC-32 checksum lines: every section end becomes "SXC,<crc>;" and the file end
// "SWDEXC,<crc>;" (standard CRC-32: reflected 0x04C11DB7, preset and final inversion).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Feeds the bytes of the text to the register; neither presets nor inverts.
std::uint32_t ObliczCRC(std::uint32_t nRejestr, std::string_view strTekst);

// The checksums of a file written or read line by line. Every line but the end lines is fed
// with Wiersz, in file order; a line that starts a section ("SN", "SP", "ST", "SO") opens the
// section's register. A section checksum covers its start line and every line up to its end
// line, then "SXC,"; the file checksum every line before the file end line (the new "SXC,"
// lines in full), then "SWDEXC,".
class CSumyCRC {
public:
    void Wiersz(std::string_view strWiersz);
    // Whether a section is open (its start line was fed, its end not yet).
    bool WSekcji() const { return m_bWSekcji; }
    // The end line of the open section, "SXC,<crc>;"; it counts for the file checksum.
    std::string KoniecSekcji();
    // The file end line, "SWDEXC,<crc>;".
    std::string KoniecPliku() const;

    // For a file being verified: the checksums its end lines should carry, and the closing of
    // the open section by its end line as it stands in the file.
    std::uint32_t SumaSekcji() const;
    std::uint32_t SumaPliku() const;
    void ZamknijSekcje(std::string_view strKoniec);

    // The numbers the two end lines carry.
    static std::uint32_t Suma(std::uint32_t nRejestr, std::string_view strZamkniecie);

private:
    std::uint32_t m_nPlik = 0xFFFFFFFFu;
    std::uint32_t m_nSekcja = 0xFFFFFFFFu;
    bool m_bWSekcji = false;
};

// Whether the line starts a section: its first two characters are "SN", "SP", "ST" or "SO".
bool ZaczynaSekcje(std::string_view strWiersz);
