// The record passes over the object section that follow the object stages.
#pragma once

#include "filtr/przebieg.h"

// Removes relation elements that point at removed objects and records the targets of the kept
// ones (and the point references of geometry blocks) for the orphan pass.
void OdfiltrujSlepeOdwolania(CKontekstPrzebiegu& k);
void UsunSlepeOdwolania(Rekord& rekord, CKontekstPrzebiegu& k);

// Drops objects left without their relations and, for some types, without any reference.
void OdfiltrujSieroty(CKontekstPrzebiegu& k);
bool SprawdzSierote(const Rekord& rekord, const CKontekstPrzebiegu& k);
