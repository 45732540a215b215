// The passes over the object section that follow the object stages.
#pragma once

#include <string_view>
#include <vector>

#include "filtr/przebieg.h"
#include "filtr/zbiory.h"

// Removes relation elements that point at removed objects and records the targets of the kept
// ones (and the point references of geometry blocks) for the orphan pass. False when cancelled.
bool OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k);
// The relation rules that apply to each type met, found once per pass.
struct CRegula;
using CRegulyTypow = CPamiecTypow<std::vector<const CRegula*>>;
// Applies the relation rules to one record, names records made descriptive by their new type
// and records what its remaining element lines name.
void UsunSlepeOdwolania(Rekord& rekord, CStanPrzebiegu& stan, CRegulyTypow& typy);

// Drops objects left without their relations and, for some types, without any reference.
// False when cancelled.
bool OdfiltrujSieroty(CKontekstPrzebiegu& k);
// How the orphan pass judges a type as written: the relations that keep its records (null:
// they always stay) and whether being referred to keeps them too. Found once per pass.
struct COcenaSieroty {
    const std::vector<std::string_view>* pSymbole = nullptr;
    bool bOdwolania = false;
};
using COcenyTypow = CPamiecTypow<COcenaSieroty>;
bool SprawdzSierote(const Rekord& rekord, const CStanPrzebiegu& stan, COcenyTypow& typy);
// Whether some line after the header has one of the symbols as its field 1.
bool MaKtorykolwiekElement(const std::vector<std::string_view>& astrSymbole, const Rekord& rekord);

// The checksum pass: the file copied whole, every section end line "SXC,<crc>;" and the file
// end line "SWDEXC,<crc>;". False when cancelled.
bool DodajSumyCRC(CKontekstPrzebiegu& k);
