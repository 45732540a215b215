// The log written beside every target: time-stamped lines, the blocks of settings the file was
// filtered with, and the table of object counts before and after filtering. Texts are code
// page 1250; every "\n" lands as CR LF.
#pragma once

#include <cstdint>
#include <string>

#include "filtr/stan.h"
#include "opcje/opcje.h"
#include "swde/platforma.h"

using CPlikLogu = platforma::CPlikWyjsciowy;

// Writes "\n" when a blank line is wanted, the time stamp "%Y-%m-%d %H:%M:%S ", the text and
// "\n", then flushes. Returns the time it stamped.
std::int64_t ZapiszWLogu(CPlikLogu& log, const std::string& strTekst, bool bPustaLinia = false);

// "Rozpoczęcie filtrowania zgodnego z " and where the settings came from.
void ZapiszUstawienia(CPlikLogu& log, const COpcjeFiltrowania& opcje);
// The eleven object groups, each marked (T) removed or (N) kept.
void ZapiszFiltrowaneObiekty(CPlikLogu& log, const COpcjeFiltrowania& opcje);
// One line per type 1..25 with each attribute marked (T) or (N).
void ZapiszFiltrowaneAtrybuty(CPlikLogu& log, const COpcjeFiltrowania& opcje);
// "Liczba obiektów", the two heading lines and one row per current source type, grouped by the
// letter after the two-character prefix and ordered by symbol within a letter.
void ZapiszTabeleObiektow(CPlikLogu& log, const CStanPrzebiegu& stan);

// What the orphan pass dropped, for the target's counts beside the table's: "Usunięto obiektów
// sierot: <n>" and, when n is not 0, "Symbol\tAkt.\tHist.\tRazem" and one row per type.
void ZapiszUsunieteSieroty(CPlikLogu& log, const CStanPrzebiegu& stan);

// Whole seconds as "%D:%H:%M:%S": days unpadded, the rest two digits (65 gives 0:00:01:05).
std::string CzasTrwania(std::int64_t nSekundy);
