// SPDX-License-Identifier: MIT
#include "HighContrast.h"

#include "Native.h"

namespace forms::win {

namespace {

// -1: not known yet; 0 or 1.
int gDesktop = -1;
// -1: the desktop's setting; 0 or 1: the test's.
int gTest = -1;

BOOL CALLBACK Redraw(HWND hwnd, LPARAM) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

bool HighContrast() {
    if (gTest >= 0)
        return gTest != 0;
    if (gDesktop < 0) {
        HIGHCONTRASTW setting{};
        setting.cbSize = sizeof setting;
        gDesktop = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
                           (setting.dwFlags & HCF_HIGHCONTRASTON)
                       ? 1
                       : 0;
    }
    return gDesktop != 0;
}

void SettingsChanged() {
    gDesktop = -1;
}

COLORREF Drawn(Color designed, int systemElement) {
    return HighContrast() ? GetSysColor(systemElement) : Ref(designed);
}

void SetHighContrastForTest(int state) {
    gTest = state;
    EnumThreadWindows(GetCurrentThreadId(), Redraw, 0);
}

} // namespace forms::win
