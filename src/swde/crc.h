// CRC-32 checksum lines: every section end becomes "SXC,<crc>;" and the file end
// "SWDEXC,<crc>;" (standard CRC-32: reflected 0x04C11DB7, preset and final inversion).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CPowiadomienia;

// Feeds the bytes of the text to the register; neither presets nor inverts.
std::uint32_t ObliczCRC(std::uint32_t nRejestr, std::string_view strTekst);

// Copies the input into the output with checksum lines. CSWDEException on open failures and
// reader errors. Returns at once, touching no file, when the run is already cancelled.
void DodajSumyCRC(const std::string& strWejscie, const std::string& strWyjscie,
                  CPowiadomienia& powiadomienia);
