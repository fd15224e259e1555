// SPDX-License-Identifier: MIT
// What a Windows screen reader hears and reads, heard from another process as the readers hear
// it; and what a player on another monitor, in high contrast or back from another window sees.
#include "WinTest.h"

#include "forms/win/HighContrast.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>

#include "AnswerCodes.h"
#include "Design.h"
#include "forms/Spoken.h"
#include "frmAbout.h"
#include "frmMainVelkaro.h"

using namespace wintest;
using forms::win::Handle;

namespace {

// The listener program (listener.cpp) run beside the game, its output read line by line while
// the game's messages are handled: a screen reader's calls wait for the game to answer them.
class Listener {
public:
    explicit Listener(const std::wstring& arguments) {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring program = path;
        program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"listener.exe";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        REQUIRE(CreatePipe(&read_, &write, &inherit, 0));
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::wstring line = L"\"" + program + L"\" " + arguments;
        REQUIRE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &process_));
        CloseHandle(write);
    }
    ~Listener() {
        Stop();
        CloseHandle(read_);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // Handles the game's messages until the listener has said what is wanted, or for `ms`.
    bool WaitFor(const std::function<bool()>& heard, int ms = 5000) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!heard() && std::chrono::steady_clock::now() < until) {
            Pump(10);
            ReadAvailable();
        }
        return heard();
    }
    // Waits for the listener to end, handling the game's messages meanwhile.
    void Finish() {
        WaitFor([this] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; },
                20000);
        ReadAvailable();
    }
    void Stop() {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0)
            return;
        PostThreadMessageW(process_.dwThreadId, WM_QUIT, 0, 0);
        Finish();
    }
    std::size_t Count(std::string_view kind) const {
        std::size_t count = 0;
        for (const std::string& line : lines)
            count += line.starts_with(std::string(kind) + "\t") ? 1 : 0;
        return count;
    }
    std::vector<std::string> Of(std::string_view kind) const {
        std::vector<std::string> said;
        for (const std::string& line : lines)
            if (line.starts_with(std::string(kind) + "\t"))
                said.push_back(line.substr(kind.size() + 1));
        return said;
    }

    std::vector<std::string> lines;

private:
    void ReadAvailable() {
        DWORD waiting = 0;
        while (PeekNamedPipe(read_, nullptr, 0, nullptr, &waiting, nullptr) && waiting) {
            std::string chunk(waiting, '\0');
            DWORD got = 0;
            if (!ReadFile(read_, chunk.data(), waiting, &got, nullptr))
                break;
            partial_ += chunk.substr(0, got);
            for (std::size_t end; (end = partial_.find('\n')) != std::string::npos;) {
                lines.push_back(
                    partial_.substr(0, end && partial_[end - 1] == '\r' ? end - 1 : end));
                partial_.erase(0, end + 1);
            }
        }
    }

    HANDLE read_ = nullptr;
    PROCESS_INFORMATION process_{};
    std::string partial_;
};

std::string Card(int card) {
    std::string numbers;
    for (int n = 0; n <= 90; ++n)
        if (answer_codes::OnCard(n, card))
            numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
    return numbers;
}

std::string Title(int page) {
    return design::PageTitle(page);
}

const std::string kCardQuestion(design::kCardQuestion);
const std::string kRange1(design::kRange1Question);
const std::string kRange2(design::kRange2Question);
const std::string kInstruction(design::kInstruction);

std::string CardPage(int card) {
    return kCardQuestion + " " + Card(card);
}

// A key as a blind player gives it: S presses Start; Y and N move the focus to Yes or No with
// Tab (Shift+Tab for Yes), if it is not there, and press it with Space.
void Press(const frmMainVelkaro& window, char key) {
    if (key != 'S') {
        HWND wanted = Child(window, key == 'Y' ? "cmdYes" : "cmdNo");
        if (GetFocus() != wanted)
            Key(VK_TAB, key == 'Y');
        REQUIRE(GetFocus() == wanted);
    }
    Key(VK_SPACE);
}

} // namespace

TEST_CASE("a screen reader in another process hears a whole keyboard game, each text once") {
    frmMainVelkaro& window = ShownMainWindow();
    Listener listener(L"listen " + std::to_wstring(GetCurrentProcessId()));
    REQUIRE(listener.WaitFor([&] { return !listener.lines.empty(); }));
    REQUIRE(listener.lines.front() == "ready");

    // Each key's screen is heard before the next key.
    for (const char key : std::string("SYNYNNYN")) {
        const std::size_t before = listener.Count("live");
        Press(window, key);
        CHECK_MESSAGE(listener.WaitFor([&] { return listener.Count("live") > before; }),
                      "nothing heard after ", key);
    }
    // Tab on the number screen: the Wrong button hands the focus back to Correct.
    const std::size_t focusBefore = listener.Count("focus");
    Key(VK_TAB);
    const auto onCorrect = [&] {
        const auto focus = listener.Of("focus");
        return focus.size() > focusBefore + 1 && focus.back() == "push button\tصح\t";
    };
    CHECK(listener.WaitFor(onCorrect));
    CHECK(GetFocus() == Child(window, "cmdYes"));

    // Closing the game opens the About window, which says its texts when it becomes active.
    const std::size_t before = listener.Count("live");
    window.Close();
    listener.WaitFor([&] {
        return listener.Count("live") > before &&
               listener.lines.back() == "focus\tpush button\tخروج\t";
    });
    frmAbout& about = frmAbout::Instance();
    std::vector<std::string> aboutTexts;
    for (const char* name : {"Label5", "Label9", "Label8", "Label7"})
        aboutTexts.push_back(Text(Child(about, name)));
    listener.Stop();

    std::string transcript;
    for (const std::string& line : listener.lines)
        transcript += line + "\n";
    MESSAGE("what the listener heard:\n", transcript);

    const std::vector<std::string> expected{
        Title(1),
        Title(2) + ". " + CardPage(2),
        Title(3) + ". " + CardPage(3),
        Title(4) + ". " + CardPage(4),
        Title(5) + ". " + CardPage(5),
        Title(6) + ". " + kRange1,
        Title(7) + ". " + kRange2,
        "رقمك هــو. 37",
        forms::Sentences({aboutTexts[0], aboutTexts[1], aboutTexts[2], aboutTexts[3]}),
    };
    CHECK(listener.Of("live") == expected);

    // The focus as a reader hears it: the button, its role and the question it answers.
    const std::vector<std::string> focus = listener.Of("focus");
    REQUIRE(focus.size() >= 3);
    CHECK(focus.front() == "push button\tنعم\t" + CardPage(1));
    CHECK(focus.back() == "push button\tخروج\t");
    CloseEverything();
}

TEST_CASE("each window and control reads, from another process, as its role, name and "
          "description") {
    frmMainVelkaro& window = ShownMainWindow();
    Key(VK_SPACE); // page 1
    struct Row {
        const char* control;
        std::string expected;
    };
    const std::vector<Row> rows{
        {"", "window\tصفحة 1 من 7\t"},
        {"cmdYes", "push button\tنعم\t" + CardPage(1)},
        {"cmdNo", "push button\tلا\t" + CardPage(1)},
        {"cmdStart", "push button\tابدأ\t" + kInstruction},
        {"lblQu1", "static text\t" + kCardQuestion + "\t"},
        {"lblNoList", "static text\t" + Card(1) + "\t"},
        {"lblMain", "static text\t" + kInstruction + "\t"},
    };
    std::wostringstream handles;
    for (const Row& row : rows)
        handles << L" " << std::hex
                << reinterpret_cast<std::uintptr_t>(*row.control ? Child(window, row.control)
                                                                 : Handle(window));
    Listener reader(L"read" + handles.str());
    reader.Finish();
    REQUIRE(reader.lines.size() == rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        INFO(rows[i].control);
        CHECK(reader.lines[i] == rows[i].expected);
    }
    CloseEverything();
}

TEST_CASE("the children of a window are in reading order: texts top to bottom, then buttons "
          "right to left") {
    frmMainVelkaro& window = ShownMainWindow();
    // The shown controls, as a reader walks the window's children.
    const auto order = [&window] {
        std::vector<std::string> names;
        for (HWND child = GetWindow(Handle(window), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const forms::NativeWidget* native = forms::NativeWidget::Of(child);
            if (native && native->control && IsWindowVisible(child))
                names.push_back(native->control->Name());
        }
        return names;
    };
    CHECK(order() == std::vector<std::string>{"lblMain", "cmdStart"});
    Key(VK_SPACE);
    CHECK(order() == std::vector<std::string>{"lblQu1", "lblNoList", "cmdYes", "cmdNo"});
    Key(VK_TAB);
    for (int answer = 0; answer < 7; ++answer)
        Key(VK_SPACE); // No, seven times: 0
    // The number screen: Wrong stands left of Correct.
    CHECK(order() == std::vector<std::string>{"lblQu1", "lblNoList", "cmdYes", "cmdWrong"});
    CloseEverything();
}

TEST_CASE("the focus is where the player left it when the window is active again") {
    frmMainVelkaro& window = ShownMainWindow();
    Key(VK_SPACE);
    Key(VK_TAB);
    HWND no = Child(window, "cmdNo");
    REQUIRE(GetFocus() == no);
    // Another window of the desktop takes the activation, as Alt+Tab gives it, and gives it back.
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    Pump(200);
    REQUIRE(GetActiveWindow() == other);
    SetForegroundWindow(Handle(window));
    SetActiveWindow(Handle(window));
    Pump(200);
    CHECK(GetFocus() == no);
    DestroyWindow(other);
    CloseEverything();
}

namespace {

// The main window's controls on a card page and their design boxes, in twips.
struct Designed {
    const char* name;
    float left, top, width, height;
};
const std::vector<Designed> kMainBoxes{
    {"lblMain", 1133, 0, 3735, 855},     {"lblQu1", 1388, 240, 3225, 480},
    {"lblNoList", 360, 960, 5175, 2295}, {"cmdYes", 2400, 3720, 1080, 735},
    {"cmdNo", 709, 3720, 1080, 735},     {"cmdStart", 2093, 1680, 1815, 2040},
    {"cmdWrong", 4076, 3720, 1095, 735},
};

std::string Boxes(const frmMainVelkaro& window) {
    std::string boxes;
    for (const Designed& control : kMainBoxes)
        boxes += std::string(control.name) + " " +
                 doctest::StringMaker<RECT>::convert(Box(Child(window, control.name))).c_str() +
                 "; ";
    return boxes;
}

// Tells the window that it is now on a monitor of that DPI, as Windows does: first the size it
// wants there, then the change with the box Windows suggests from it.
void MoveToDpi(frmMainVelkaro& window, int dpi) {
    HWND hwnd = Handle(window);
    SIZE wanted{};
    CHECK(SendMessageW(hwnd, WM_GETDPISCALEDSIZE, WPARAM(dpi), LPARAM(&wanted)) == TRUE);
    RECT outer = Expected(0, 0, 6000, 4545, dpi);
    AdjustWindowRectExForDpi(&outer, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                             DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), UINT(dpi));
    CHECK(wanted.cx == outer.right - outer.left);
    CHECK(wanted.cy == outer.bottom - outer.top);
    RECT now;
    GetWindowRect(hwnd, &now);
    RECT suggested{now.left, now.top, now.left + wanted.cx, now.top + wanted.cy};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    Pump(100);
    RECT taken;
    GetWindowRect(hwnd, &taken);
    CHECK(taken.left == suggested.left);
    CHECK(taken.top == suggested.top);
}

// The width of one of the window's icons, in pixels.
int IconWidth(HWND hwnd, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

void CheckBoxesAt(const frmMainVelkaro& window, int dpi) {
    INFO("at ", dpi, " dpi");
    RECT client;
    GetClientRect(Handle(window), &client);
    CHECK(client == Expected(0, 0, 6000, 4545, dpi));
    // The icons at the sizes the desktop shows them at that DPI: 16 and 32 at 96, 24 and 48 at
    // 144.
    CHECK(IconWidth(Handle(window), ICON_SMALL) == GetSystemMetricsForDpi(SM_CXSMICON, UINT(dpi)));
    CHECK(IconWidth(Handle(window), ICON_BIG) == GetSystemMetricsForDpi(SM_CXICON, UINT(dpi)));
    for (const Designed& control : kMainBoxes) {
        INFO(control.name);
        const float left = std::string(control.name) == "cmdWrong" ? 709 : control.left;
        CHECK(Box(Child(window, control.name)) ==
              Expected(left, control.top, control.width, control.height, dpi));
    }
}

// The drawn height of the card question, in points: the letters' size on the screen.
double QuestionInkPoints(const frmMainVelkaro& window, int dpi) {
    const Ink ink = InkOf(Capture(Child(window, "lblQu1")));
    REQUIRE(ink.box.bottom >= ink.box.top);
    return double(ink.box.bottom - ink.box.top + 1) * 72.0 / dpi;
}

} // namespace

TEST_CASE("moved to a monitor of another DPI and back, every box is where the twips put it") {
    frmMainVelkaro& window = ShownMainWindow();
    Press(window, 'S');
    for (int question = 0; question < 7; ++question)
        Press(window, 'N'); // the number screen: every button placed
    const int own = ExpectedDpi();
    const int other = own == 96 ? 144 : 96;
    CheckBoxesAt(window, own);
    std::string boxes = std::to_string(own) + " dpi: " + Boxes(window) + "\n";
    MoveToDpi(window, other);
    CheckBoxesAt(window, other);
    boxes += std::to_string(other) + " dpi: " + Boxes(window) + "\n";
    // The number is drawn for the new DPI too: its letters grow or shrink with it.
    MoveToDpi(window, own);
    CheckBoxesAt(window, own);
    boxes += std::to_string(own) + " dpi: " + Boxes(window) + "\n";
    MESSAGE("the boxes: \n", boxes);
    CloseEverything();
}

TEST_CASE("texts are drawn at their size in points at any DPI, right-justified lines end at "
          "the right edge") {
    frmMainVelkaro& window = ShownMainWindow();
    Press(window, 'S');
    const int own = ExpectedDpi();
    const int other = own == 96 ? 144 : 96;
    // The card question, 15.75 points as designed: its letters stand as many points high at
    // either DPI (the stand-in face's factor aside, about 9 to 24 points with their marks).
    int now = own;
    double before = 0;
    for (const int dpi : {own, other, own}) {
        INFO("at ", dpi, " dpi");
        if (dpi != now)
            MoveToDpi(window, dpi);
        now = dpi;
        Pump(200);
        const double points = QuestionInkPoints(window, dpi);
        MESSAGE("the card question's letters at ", dpi, " dpi: ", points, " points high");
        CHECK(points > 9.0);
        CHECK(points < 24.0);
        if (before > 0)
            CHECK(points == doctest::Approx(before).epsilon(0.12));
        before = points;
        // The card's numbers, right-justified: every line, the last and shortest too, ends a
        // few pixels from the right edge of the box.
        HWND list = Child(window, "lblNoList");
        const Ink ink = InkOf(Capture(list));
        RECT client;
        GetClientRect(list, &client);
        REQUIRE(ink.bands.size() >= 2);
        for (const Ink::Band& line : ink.bands)
            CHECK(client.right - 1 - line.right <= MulDiv(3, dpi, 96));
    }
    CloseEverything();
}

TEST_CASE("high contrast: the windows take the system's colours, and follow them") {
    struct Element {
        int element;
        COLORREF colour;
    };
    const std::vector<Element> black{{COLOR_WINDOW, RGB(0, 0, 0)},
                                     {COLOR_WINDOWTEXT, RGB(255, 255, 0)},
                                     {COLOR_BTNFACE, RGB(0, 0, 0)},
                                     {COLOR_BTNTEXT, RGB(255, 255, 255)}};
    std::vector<int> elements;
    std::vector<COLORREF> before, colours;
    for (const Element& e : black) {
        elements.push_back(e.element);
        before.push_back(GetSysColor(e.element));
        colours.push_back(e.colour);
    }
    forms::win::SetHighContrastForTest(1);
    SetSysColors(int(elements.size()), elements.data(), colours.data());
    frmMainVelkaro& window = ShownMainWindow();
    Press(window, 'S');
    Pump(300);
    // The window's background, and the question's letters: the system's colours alone.
    const auto question = Capture(Child(window, "lblQu1"));
    const auto whole = Capture(Handle(window));
    CHECK(whole.At(3, 3) == RGB(0, 0, 0));
    bool textColour = false, designed = false;
    for (const COLORREF c : question.colours) {
        textColour = textColour || c == RGB(255, 255, 0);
        designed = designed || (GetRValue(c) > 128 && GetGValue(c) < 64); // the designed red
    }
    CHECK(textColour);
    CHECK(!designed);

    // The system's colours change while the window is open.
    const COLORREF navy = RGB(0, 0, 128);
    const int windowElement = COLOR_WINDOW;
    SetSysColors(1, &windowElement, &navy);
    Pump(300);
    CHECK(Capture(Handle(window)).At(3, 3) == navy);

    // The About window too.
    window.Close();
    Pump(300);
    frmAbout& about = frmAbout::Instance();
    Pump(300);
    CHECK(Capture(Handle(about)).At(3, 3) == navy);
    CloseEverything();

    forms::win::SetHighContrastForTest(-1);
    SetSysColors(int(elements.size()), elements.data(), before.data());
    Pump(300);
}

namespace {

// The functions a program imports by name, DLL by DLL, read from its file.
std::vector<std::pair<std::string, std::string>> Imports(const std::wstring& path) {
    std::vector<std::pair<std::string, std::string>> imports;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    std::vector<char> bytes(GetFileSize(file, nullptr));
    DWORD got = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr);
    CloseHandle(file);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
    REQUIRE(nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    const auto at = [&](DWORD rva) -> const char* {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i)
            if (rva >= sections[i].VirtualAddress &&
                rva < sections[i].VirtualAddress + sections[i].SizeOfRawData)
                return bytes.data() + sections[i].PointerToRawData +
                       (rva - sections[i].VirtualAddress);
        return nullptr;
    };
    const DWORD table =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(table)); dll && dll->Name;
         ++dll)
        for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA64*>(
                 at(dll->OriginalFirstThunk ? dll->OriginalFirstThunk : dll->FirstThunk));
             thunk && thunk->u1.AddressOfData; ++thunk)
            if (!(thunk->u1.Ordinal & IMAGE_ORDINAL_FLAG64))
                imports.emplace_back(at(dll->Name), reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
                                                        at(DWORD(thunk->u1.AddressOfData)))
                                                        ->Name);
    return imports;
}

} // namespace

TEST_CASE("the program starts on Windows 10 1607: nothing newer is imported, it is looked up") {
    const char* exe = std::getenv("VELKARO_EXE");
    REQUIRE(exe != nullptr);
    const auto imports = Imports(std::wstring(exe, exe + std::strlen(exe)));
    REQUIRE(imports.size() > 20);
    // What the program could want of later versions: the DPI functions of 1703 and 1803, UI
    // Automation's notification (1709).
    const std::vector<std::string> later{
        "SetProcessDpiAwarenessContext",
        "SetDialogDpiChangeBehavior",
        "SetDialogControlDpiChangeBehavior",
        "GetDpiFromDpiAwarenessContext",
        "GetSystemDpiForProcess",
        "SetThreadDpiHostingBehavior",
        "GetWindowDpiHostingBehavior",
        "UiaRaiseNotificationEvent",
    };
    // The accessibility libraries load only once a screen reader asks.
    const std::vector<std::string> loadedLater{"oleacc.dll", "oleaut32.dll",
                                               "uiautomationcore.dll"};
    for (const auto& [dll, function] : imports) {
        INFO(dll, "!", function);
        CHECK(std::find(later.begin(), later.end(), function) == later.end());
        std::string lower = dll;
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        CHECK(std::find(loadedLater.begin(), loadedLater.end(), lower) == loadedLater.end());
    }
}

// Not a test: the screens to look at in high contrast and after a move to another DPI
// (scripts/windows-screenshots takes the pictures).
TEST_CASE("screens to look at, high contrast and another DPI" * doctest::skip()) {
    const std::string dpi = std::to_string(ExpectedDpi());
    frmMainVelkaro& window = ShownMainWindow();
    Press(window, 'S');
    MoveToDpi(window, ExpectedDpi() == 96 ? 144 : 96);
    SaveShot(Handle(window), "card-moved-from-" + dpi);
    CloseEverything();

    const std::vector<int> elements{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    std::vector<COLORREF> before;
    for (const int element : elements)
        before.push_back(GetSysColor(element));
    const std::vector<COLORREF> black{RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0),
                                      RGB(255, 255, 255)};
    forms::win::SetHighContrastForTest(1);
    SetSysColors(int(elements.size()), elements.data(), black.data());
    frmMainVelkaro& dark = ShownMainWindow();
    Press(dark, 'S');
    SaveShot(Handle(dark), "card-high-contrast-" + dpi);
    dark.Close();
    Pump(300);
    SaveShot(Handle(frmAbout::Instance()), "about-high-contrast-" + dpi);
    CloseEverything();
    forms::win::SetHighContrastForTest(-1);
    SetSysColors(int(elements.size()), elements.data(), before.data());
}
