// Filter options named on the command line: object groups, types and attributes by the names
// a user types, and the choice ticked in the options the way clicks on the window's tabs tick
// it. Texts are UTF-8.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct CArgumenty;
class COpcjeFiltrowania;

// A --remove value: group short names separated by commas, with or without Polish letters, in
// any case. Their bits are appended; false with the reason (naming the groups that exist).
bool CzytajGrupy(const std::string& strWartosc, std::vector<int>& anGrupy, std::string& strBlad);

// A --remove-attr value "TYPE:ATTR[,ATTR...]": the type as "OSF" or "G5OSF", the attributes by
// their symbols ("G5RPWL" stands for "G5RPWŁ"), in any case. The type numbers and attribute
// bits are appended; false with the reason (naming the types or attributes that exist).
bool CzytajAtrybuty(const std::string& strWartosc, std::vector<std::pair<int, int>>& atrybuty,
                    std::string& strBlad);

// Ticks the chosen groups and then the chosen attributes that are not ticked yet, each as a
// mouse click on its tab (with the tabs' rules: buildings tick premises, a date attribute
// propagates), and sets the CRC option. m_bZmienione becomes true when this changed anything.
// False with the reason when an attribute's page is disabled by a ticked group.
bool ZastosujWybor(const CArgumenty& argumenty, COpcjeFiltrowania& opcje, std::string& strBlad);

// The --list text: every group, type and attribute with its name or symbol and its caption.
std::string TekstListy();
