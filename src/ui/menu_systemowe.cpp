#include "ui/menu_systemowe.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace menu_systemowe {

#ifdef _WIN32

void Dodaj(void* pOkno, unsigned nPolecenie, const wchar_t* szTekst) {
    HMENU hMenu = GetSystemMenu(static_cast<HWND>(pOkno), FALSE);
    if (hMenu == nullptr)
        return;
    AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hMenu, MF_STRING, nPolecenie, szTekst);
}

bool CzyWybrano(const void* pKomunikat, unsigned nPolecenie) {
    const MSG* pMsg = static_cast<const MSG*>(pKomunikat);
    // The system keeps the low four bits of a system command for itself.
    return pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == nPolecenie;
}

#else

void Dodaj(void*, unsigned, const wchar_t*) {}
bool CzyWybrano(const void*, unsigned) { return false; }

#endif

} // namespace menu_systemowe
