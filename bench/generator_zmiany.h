// The second export of a generated district: the same file with a known set of changes, the
// ones a comparison must find and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filtr/porownanie.h"

// One planted change as the comparison reports it: base type, identifier (the new one for an
// added or re-identified record) and state.
struct CPosadzonaZmiana {
    std::string m_strTyp;
    std::string m_strId;
    EStanRekordu m_eStan;

    bool operator==(const CPosadzonaZmiana&) const = default;
};

// Copies strStary to strNowy (both made by GenerujPlikSWDE) changing, among every nCo records
// of a type: one parcel's area and one parcel's version identifier; one land-use contour
// re-identified with a changed area and one re-identified only; one share's owner replaced by
// the owner of the share before it; one address removed and one added. Returns the changes,
// new versions included, sorted by type and identifier. Throws std::runtime_error when a
// file cannot be read or written.
std::vector<CPosadzonaZmiana> ZapiszZmienionyPlik(const std::string& strStary,
                                                  const std::string& strNowy,
                                                  std::uint64_t nCo = 1000);
