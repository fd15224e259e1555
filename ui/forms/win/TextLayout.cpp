// SPDX-License-Identifier: MIT
// Text on Windows: a caption shaped by Uniscribe, broken into lines at its
// spaces, and a label's caption laid out in its box, narrowed or shrunk by
// the shared rule where it does not fit.
#include <usp10.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "Dpi.h"
#include "Native.h"
#include "forms/Fit.h"
#include "forms/Label.h"

namespace forms::win {

std::wstring Wide(std::string_view text) {
    if (text.empty())
        return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

COLORREF Ref(Color color) {
    return RGB(color.red, color.green, color.blue);
}

SelectedFont::SelectedFont(HDC dc, const LOGFONTW& font)
    : dc_(dc)
    , font_(CreateFontIndirectW(&font))
    , old_(SelectObject(dc, font_)) {}

SelectedFont::~SelectedFont() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
}

Shaped::Shaped(HDC dc, const std::wstring& text) {
    // A right-to-left paragraph: numbers in a row read from the right too.
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state{};
    state.uBidiLevel = 1;
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    if (!text.empty())
        ScriptStringAnalyse(dc, text.c_str(), static_cast<int>(text.size()),
                            static_cast<int>(text.size() * 3 / 2 + 16), -1,
                            SSA_GLYPHS | SSA_RTL | SSA_FALLBACK, 0, &control, &state, nullptr,
                            nullptr, nullptr, &analysis);
    analysis_ = analysis;
}

Shaped::~Shaped() {
    if (analysis_) {
        SCRIPT_STRING_ANALYSIS analysis = analysis_;
        ScriptStringFree(&analysis);
    }
}

int Shaped::Width() const {
    const SIZE* size = analysis_ ? ScriptString_pSize(analysis_) : nullptr;
    return size ? static_cast<int>(size->cx) : 0;
}

std::vector<int> Shaped::Widths(std::size_t count) const {
    std::vector<int> widths(count, 0);
    if (analysis_ && count)
        ScriptStringGetLogicalWidths(analysis_, widths.data());
    return widths;
}

void Shaped::Draw(int x, int baseline) const {
    if (analysis_)
        ScriptStringOut(analysis_, x, baseline, 0, nullptr, 0, 0, FALSE);
}

namespace {

// A font's lines: the room above and below the baseline, the distance from
// one baseline to the next, and how far its letters reach above and below.
struct LineMetrics {
    int ascent = 0, descent = 0, pitch = 1;
    int inkAscent = 0, inkDescent = 0;
    int averageWidth = 1;
};

LineMetrics MetricsOf(HDC dc, const std::wstring& text) {
    LineMetrics line;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    line.averageWidth = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    line.ascent = metrics.tmAscent;
    line.descent = metrics.tmDescent;
    // The typographic line spacing: some Arabic faces give their Windows
    // ascent and descent room for every stacked mark, four lines' worth.
    OUTLINETEXTMETRICW outline{};
    outline.otmSize = sizeof outline;
    if (GetOutlineTextMetricsW(dc, sizeof outline, &outline) && outline.otmAscent > 0) {
        line.ascent = outline.otmAscent;
        line.descent = -outline.otmDescent;
        line.pitch = std::max(1, static_cast<int>(outline.otmAscent - outline.otmDescent +
                                                  static_cast<int>(outline.otmLineGap)));
    } else {
        line.pitch = std::max(1, static_cast<int>(metrics.tmHeight));
    }
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    // Each letter once.
    std::wstring letters = text;
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    for (const wchar_t c : letters) {
        if (c == L' ')
            continue;
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        line.inkAscent = std::max(line.inkAscent, static_cast<int>(glyph.gmptGlyphOrigin.y));
        line.inkDescent = std::max(line.inkDescent, static_cast<int>(glyph.gmBlackBoxY) -
                                                        static_cast<int>(glyph.gmptGlyphOrigin.y));
    }
    return line;
}

// The caption broken into lines at its spaces, each line as long as the
// width allows (a word longer than the width stands alone); the widths of the
// lines, trailing spaces left out.
struct Broken {
    std::vector<std::wstring> lines;
    std::vector<int> widths;
};

Broken BreakLines(HDC dc, const std::wstring& text, int width) {
    Broken broken;
    const Shaped shaped(dc, text);
    const std::vector<int> advance = shaped.Widths(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        // Words are added while the line stays within the width; the first
        // word stands on its line whatever its width.
        std::size_t end = start, best = start;
        int bestWidth = 0, run = 0;
        while (end < text.size()) {
            // The next word and the spaces after it.
            std::size_t wordEnd = end;
            while (wordEnd < text.size() && text[wordEnd] != L' ')
                run += advance[wordEnd++];
            const int withWord = run;
            std::size_t spaceEnd = wordEnd;
            while (spaceEnd < text.size() && text[spaceEnd] == L' ')
                run += advance[spaceEnd++];
            if (withWord > width && best != start)
                break;
            best = spaceEnd;
            bestWidth = withWord;
            end = spaceEnd;
            if (withWord > width)
                break;
        }
        std::size_t last = best;
        while (last > start && text[last - 1] == L' ')
            --last;
        broken.lines.push_back(text.substr(start, last - start));
        broken.widths.push_back(bestWidth);
        start = best;
    }
    return broken;
}

// What a font makes of a caption: its lines, and the caption broken at the
// width. The costly part of a layout: measured once per font.
struct Measured {
    LineMetrics line;
    Broken broken;
};

Measured Measure(HDC dc, const LOGFONTW& font, const std::wstring& text, int width) {
    const SelectedFont selected(dc, font);
    return {MetricsOf(dc, text), BreakLines(dc, text, width)};
}

struct Trial {
    LabelLayout layout;
    int pitch = 1;
    int averageWidth = 1;
};

Trial Arrange(const LOGFONTW& font, const Measured& measured, int width, int height,
              TextAlignment alignment, int allowedLines) {
    Trial trial;
    trial.layout.font = font;
    const LineMetrics& line = measured.line;
    trial.pitch = line.pitch;
    trial.averageWidth = line.averageWidth;
    const Broken& broken = measured.broken;
    // Letters that would reach above the label move the caption down, a
    // pixel clear of the edge.
    const int firstBaseline = std::max(line.ascent, line.inkAscent + 1);
    bool fits = allowedLines <= 0 || static_cast<int>(broken.lines.size()) <= allowedLines;
    int widest = 0;
    for (std::size_t i = 0; i < broken.lines.size(); ++i) {
        const int lineWidth = broken.widths[i];
        fits = fits && lineWidth <= width;
        widest = std::max(widest, lineWidth);
        int x = 0;
        if (alignment == TextAlignment::RightJustify)
            x = width - lineWidth;
        else if (alignment == TextAlignment::Center)
            x = (width - lineWidth) / 2;
        trial.layout.lines.push_back(broken.lines[i]);
        trial.layout.origins.push_back(POINT{x, firstBaseline + static_cast<int>(i) * line.pitch});
    }
    const int count = static_cast<int>(broken.lines.size());
    const int inkBottom = count ? firstBaseline + (count - 1) * line.pitch + line.inkDescent : 0;
    trial.layout.ink = RECT{0, count ? firstBaseline - line.inkAscent : 0, widest, inkBottom};
    trial.layout.fits = fits && inkBottom <= height;
    return trial;
}

} // namespace

LabelLayout LayoutOf(const Label& label) {
    auto& native = As<NativeLabel>(label.Native());
    RECT client;
    GetClientRect(native.hwnd, &client);
    const int width = client.right, height = client.bottom;
    const std::wstring text = Wide(label.Caption());
    const DesignFont& design = label.Font();
    const UINT dpi = DpiOf(native);
    const std::wstring key = text + L'\n' + Wide(design.family) + L'\n' +
                             std::to_wstring(design.points) + L' ' +
                             std::to_wstring(static_cast<int>(design.weight)) + L' ' +
                             std::to_wstring(static_cast<int>(label.Alignment())) + L' ' +
                             std::to_wstring(label.ShrinkToFit()) + L' ' + std::to_wstring(width) +
                             L' ' + std::to_wstring(height) + L' ' + std::to_wstring(dpi);
    if (key == native.layoutKey)
        return native.layout;

    HDC dc = CreateCompatibleDC(nullptr);
    std::map<std::pair<LONG, LONG>, Measured> measures; // by the font's height and width
    const auto measure = [&](const LOGFONTW& font) -> const Measured& {
        const auto size = std::pair(font.lfHeight, font.lfWidth);
        auto known = measures.find(size);
        if (known == measures.end())
            known = measures.emplace(size, Measure(dc, font, text, width)).first;
        return known->second;
    };
    const LOGFONTW designed = FontFor(design, text, dpi);
    const Trial plain = Arrange(designed, measure(designed), width, height, label.Alignment(), 0);
    const int lines = LineBudget(height, plain.pitch);
    Trial trial;
    FitCaption(label.ShrinkToFit(), [&](const Narrowing& narrowing) {
        LOGFONTW font = designed;
        if (narrowing.smaller)
            font.lfHeight = std::min(-1L, std::lround(designed.lfHeight * narrowing.SizeFactor()));
        if (narrowing.stretch != 100) {
            // The face's average letter at this height, made narrower.
            const int average = narrowing.smaller ? Measure(dc, font, L"", width).line.averageWidth
                                                  : plain.averageWidth;
            font.lfWidth = std::max(1, (average * narrowing.stretch + 50) / 100);
        }
        trial = Arrange(font, measure(font), width, height, label.Alignment(), lines);
        return trial.layout.fits;
    });
    DeleteDC(dc);
    native.layout = trial.layout;
    native.layoutKey = key;
    return trial.layout;
}

} // namespace forms::win
