// SPDX-License-Identifier: MIT
// The installed faces, the fonts as designed at the program's DPI, and the
// toolkit's default font.
#include "forms/Fonts.h"

#include <array>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>

#include "Native.h"
#include "forms/Platform.h"

namespace forms {

namespace win {

namespace {

// Whether a font is drawn in its own face, not another standing in for it,
// and that face has a glyph for every letter of the text.
bool OwnFaceHas(const LOGFONTW& font, std::wstring_view text) {
    HDC dc = CreateCompatibleDC(nullptr);
    bool all;
    {
        const SelectedFont selected(dc, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        all = _wcsicmp(face, font.lfFaceName) == 0;
        std::vector<WORD> glyphs(text.size());
        if (all && !text.empty())
            all = GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(),
                                   GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
        for (std::size_t i = 0; all && i < text.size(); ++i)
            all = text[i] < 0x20 || text[i] == L' ' || glyphs[i] != 0xFFFF;
    }
    DeleteDC(dc);
    return all;
}

} // namespace

} // namespace win

namespace platform {

// Asked of a font made with the family's name rather than of the list of
// installed faces: under Wine, enumerating the faces at start-up costs
// several times more than making a font.
bool FamilyInstalled(std::string_view family) {
    const std::wstring name = win::Wide(family);
    if (name.empty() || name.size() >= LF_FACESIZE)
        return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(wanted.lfFaceName, LF_FACESIZE, name.c_str(), _TRUNCATE);
    return win::OwnFaceHas(wanted, {});
}

} // namespace platform

namespace win {

namespace {

// Faces tried, in this order, for a caption whose letters the chosen face
// lacks (the desktop's message font may have no Arabic letters).
constexpr std::array<const wchar_t*, 7> kFallbacks{
    L"Segoe UI", L"Tahoma",           L"Arial", L"DejaVu Sans", L"Noto Sans Arabic",
    L"Amiri",    L"Noto Naskh Arabic"};

// The desktop's font for messages and dialogs at a DPI.
LOGFONTW MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) &&
        !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW fallback{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
        return fallback;
    }
    return metrics.lfMessageFont;
}

// Whether the font has a glyph for every letter of the caption.
bool HasLetters(const LOGFONTW& font, std::wstring_view caption) {
    return caption.empty() || OwnFaceHas(font, caption);
}

} // namespace

LOGFONTW FontFor(const DesignFont& design, std::wstring_view caption, UINT dpi) {
    LOGFONTW font{};
    if (design.family.empty()) {
        font = MessageFont(dpi);
    } else {
        const std::wstring family = Wide(RenderFamily(design.family));
        const double points = design.points * RenderScale(design.family);
        font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
        font.lfWeight = static_cast<LONG>(design.weight);
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_TT_PRECIS;
        font.lfQuality = DEFAULT_QUALITY;
        wcsncpy_s(font.lfFaceName, LF_FACESIZE, family.c_str(), _TRUNCATE);
    }
    // The face for a font and a caption is looked for once: each caption is
    // drawn again and again.
    static std::map<std::wstring, LOGFONTW> chosen;
    static_assert(sizeof font % sizeof(wchar_t) == 0);
    std::wstring key(sizeof font / sizeof(wchar_t), L'\0');
    std::memcpy(key.data(), &font, sizeof font);
    key.append(caption);
    if (const auto known = chosen.find(key); known != chosen.end())
        return known->second;
    LOGFONTW choice = font;
    if (!HasLetters(font, caption)) {
        for (const wchar_t* face : kFallbacks) {
            LOGFONTW other = font;
            wcsncpy_s(other.lfFaceName, LF_FACESIZE, face, _TRUNCATE);
            if (HasLetters(other, caption)) {
                choice = other;
                break;
            }
        }
    }
    return chosen.emplace(std::move(key), choice).first->second;
}

} // namespace win

} // namespace forms
