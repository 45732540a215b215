// The record passes over the object section that follow the object stages.
#pragma once

#include <string>
#include <vector>

#include "filtr/elementy.h"
#include "filtr/przebieg.h"

// Removes relation elements that point at removed objects and records the targets of the kept
// ones (and the point references of geometry blocks) for the orphan pass.
void OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k);
// Applies the relation rules to one record and records what its remaining element lines name.
void UsunSlepeOdwolania(Rekord& rekord, CKontekstPrzebiegu& k);
// Records the target of a kept relation element; error 8 for another code than "WL" or "WG".
void ZarejestrujOdwolanie(const CElement& element, CKontekstPrzebiegu& k);

// Drops objects left without their relations and, for some types, without any reference.
void OdfiltrujSieroty(CKontekstPrzebiegu& k);
bool SprawdzSierote(const Rekord& rekord, const CKontekstPrzebiegu& k);
// Whether some line after the header has one of the symbols as its field 1.
bool MaKtorykolwiekElement(const std::vector<std::string>& astrSymbole, const Rekord& rekord);
