// The names a run derives from a pair's paths: the default target of a source, the log beside
// the target and the temporary files beside the source. Paths are code page 1250.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct CParaPlikow;

// The path with the suffix put before the extension of its file name ("obreb.swd" and
// "_nowy" give "obreb_nowy.swd"), or appended to a name without one. A dot that opens the file
// name (".swd"), or stands in a folder name, starts no extension.
std::string NazwaZDopiskiem(const std::string& strSciezka, std::string_view strDopisek);
// The path with the extension of its file name replaced ("obreb_nowy.swd" and ".log" give
// "obreb_nowy.log"), or added to a name without one, by the same rule.
std::string NazwaZRozszerzeniem(const std::string& strSciezka, std::string_view strRozszerzenie);

// The default target of a source: "_nowy" before the extension.
std::string NazwaCelu(const std::string& strZrodlo);
// The log of a target: its name with ".log" for its extension.
std::string NazwaLogu(const std::string& strCel);

// The files a pair reads and writes. Stage outputs are astrEtapy[1..4]; [0] is unused. The
// last pass writes strCelRoboczy beside the target, which takes the target's name only when
// it is complete.
struct CNazwyPary {
    std::string strZrodlo, strCel, strLog;
    std::array<std::string, 5> astrEtapy;
    std::string strSlepe, strSieroty;
    std::string strCelRoboczy;
};
CNazwyPary Nazwy(const CParaPlikow& para);
