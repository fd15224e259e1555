// SPDX-License-Identifier: MIT
// The windows on the Windows API, driven as a player drives them: mouse and key messages to the
// native windows, read back through the native windows (their texts, places and styles) as a
// screen reader and the desktop see them. Run under Wine at 96 and at 144 dpi.
#define DOCTEST_CONFIG_IMPLEMENT
#include "WinTest.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AnswerCodes.h"
#include "Design.h"
#include "TestAccess.h"
#include "forms/Application.h"
#include "forms/Fonts.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

using Access = frmMainVelkaroTestAccess;
using forms::win::Handle;
using namespace wintest;

namespace {

float TwipsPerPixel() {
    return 1440.0f / float(ExpectedDpi());
}

bool Shown(HWND hwnd) {
    return IsWindowVisible(hwnd) != FALSE;
}

void Click(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, middle);
    Pump();
}

void MouseMoveOver(HWND hwnd) {
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Pump();
}

void ClickAnswers(frmMainVelkaro& window, int code) {
    for (int question = 1; question <= 7; ++question)
        Click(Handle(answer_codes::SaysYes(code, question) ? Access::Yes(window)
                                                           : Access::No(window)));
}

} // namespace

TEST_CASE("twips are measured at the screen's DPI and read back as set") {
    frmMainVelkaro& window = ShownMainWindow();
    CHECK(GetDpiForWindow(Handle(window)) == UINT(ExpectedDpi()));
    CHECK(forms::TwipsPerPixelX() == TwipsPerPixel());

    RECT client;
    GetClientRect(Handle(window), &client);
    CHECK(client == Expected(design::kMainClient));
    for (const design::Box& designed : design::kMainWindow) {
        INFO(designed.name);
        CHECK(Box(Child(window, designed.name)) == Expected(designed.twips));
    }

    forms::CommandButton& wrong = Access::Wrong(window);
    wrong.SetLeft(design::kWrongLeft);
    CHECK(wrong.Left() == design::kWrongLeft);
    CHECK(Box(Handle(wrong)) == Expected(design::WrongButtonAt(design::kWrongLeft)));
    wrong.SetLeft(4076.5f);
    CHECK(wrong.Left() == 4076.5f);
    CloseEverything();
}

TEST_CASE("the main window: fixed single frame, close box, centred by its outer box") {
    frmMainVelkaro& window = ShownMainWindow();
    HWND hwnd = Handle(window);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    CHECK(Text(hwnd) == design::kMainCaption);

    // The outer box is the client area and the frame Windows gives this style.
    RECT outer;
    GetWindowRect(hwnd, &outer);
    RECT expected = Expected(design::kMainClient);
    AdjustWindowRectExForDpi(&expected, DWORD(style), FALSE,
                             DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), UINT(ExpectedDpi()));
    CHECK(outer.right - outer.left == expected.right - expected.left);
    CHECK(outer.bottom - outer.top == expected.bottom - expected.top);
    CHECK(window.OuterWidth() == float(outer.right - outer.left) * TwipsPerPixel());

    // Centred: half the differences, unrounded, and placed on the nearest pixel.
    const float screenWidth = float(GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixel();
    const float screenHeight = float(GetSystemMetrics(SM_CYSCREEN)) * TwipsPerPixel();
    CHECK(window.Left() == (screenWidth - window.OuterWidth()) / 2);
    CHECK(window.Top() == (screenHeight - window.OuterHeight()) / 2);
    CHECK(outer.left == std::lround(window.Left() / TwipsPerPixel()));
    CHECK(outer.top == std::lround(window.Top() / TwipsPerPixel()));
    CloseEverything();
}

TEST_CASE("a whole game by mouse") {
    frmMainVelkaro& window = ShownMainWindow();
    HWND list = Handle(Access::List(window));
    CHECK(Shown(Handle(Access::Main(window))));
    CHECK(!Shown(list));
    // Screen readers read the windows' texts: the captions, and the Start button's spoken name.
    CHECK(Text(Handle(Access::Start(window))) == design::kStart);
    CHECK(Text(Handle(Access::Main(window))) == design::kInstruction);

    Click(Handle(Access::Start(window)));
    CHECK(Text(Handle(window)) == design::PageTitle(1));
    CHECK(Text(list) == design::CardLine(1));
    CHECK(Shown(list));
    CHECK(!Shown(Handle(Access::Start(window))));
    CHECK(Text(Handle(Access::Yes(window))) == design::kYes);

    ClickAnswers(window, answer_codes::CodeOf(37));
    CHECK(Text(Handle(window)) == design::PageTitle(7));
    CHECK(Text(list) == "37");
    CHECK(Text(Handle(Access::Yes(window))) == design::kCorrect);
    CHECK(Shown(Handle(Access::Wrong(window))));

    Click(Handle(Access::Yes(window)));
    CHECK(Text(Handle(window)) == design::kMainCaption);
    CHECK(Shown(Handle(Access::Start(window))));
    CHECK(!Shown(list));

    // A second game that fits no number.
    Click(Handle(Access::Start(window)));
    ClickAnswers(window, 127);
    CHECK(Text(list) == design::kCheckYourself);
    CHECK(Text(Handle(Access::Yes(window))) == design::kBack);
    CHECK(!Shown(Handle(Access::Wrong(window))));
    CloseEverything();
}

TEST_CASE("a whole game by keyboard") {
    frmMainVelkaro& window = ShownMainWindow();
    HWND yes = Handle(Access::Yes(window)), no = Handle(Access::No(window));
    // The only button shown has the focus; Space presses it.
    CHECK(GetFocus() == Handle(Access::Start(window)));
    Key(VK_SPACE);
    CHECK(Text(Handle(window)) == design::PageTitle(1));
    // The pressed button is gone: the focus settles on the next in tab order.
    CHECK(GetFocus() == yes);

    const int code = answer_codes::CodeOf(37);
    for (int question = 1; question <= 7; ++question) {
        HWND wanted = answer_codes::SaysYes(code, question) ? yes : no;
        if (GetFocus() != wanted)
            Key(VK_TAB, wanted == yes); // Yes is before No in tab order
        REQUIRE(GetFocus() == wanted);
        Key(question % 2 ? VK_RETURN : VK_SPACE);
    }
    CHECK(Text(Handle(Access::List(window))) == "37");
    // No is hidden on the number screen; the focus went on to the Wrong button, which hands it
    // to Correct.
    CHECK(GetFocus() == yes);
    Key(VK_TAB);
    CHECK(GetFocus() == yes);
    Key(VK_RETURN);
    CHECK(Text(Handle(window)) == design::kMainCaption);
    CHECK(GetFocus() == Handle(Access::Start(window)));
    CloseEverything();
}

TEST_CASE("the Wrong button dodges the mouse and hands on the focus") {
    frmMainVelkaro& window = ShownMainWindow();
    Click(Handle(Access::Start(window)));
    ClickAnswers(window, answer_codes::CodeOf(5));
    forms::CommandButton& wrong = Access::Wrong(window);
    HWND hwnd = Handle(wrong);
    REQUIRE(Shown(hwnd));
    CHECK(wrong.Left() == design::kWrongLeft);
    CHECK(Box(hwnd) == Expected(design::WrongButtonAt(design::kWrongLeft)));

    MouseMoveOver(hwnd);
    CHECK(wrong.Left() == design::kWrongRight);
    CHECK(Box(hwnd) == Expected(design::WrongButtonAt(design::kWrongRight)));
    MouseMoveOver(hwnd);
    CHECK(wrong.Left() == design::kWrongLeft);

    // The pointer itself, moved onto the button: it jumps away, and comes back when the pointer
    // follows it.
    for (const float expected : {design::kWrongRight, design::kWrongLeft}) {
        RECT box;
        GetWindowRect(hwnd, &box);
        SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        // The X server tells Wine of the move: wait for it, two seconds at most.
        for (int wait = 0; wait < 100 && wrong.Left() != expected; ++wait)
            Pump(20);
        CHECK(wrong.Left() == expected);
    }

    SetFocus(hwnd);
    Pump();
    CHECK(GetFocus() == Handle(Access::Yes(window)));
    // A click without a move only moves the focus.
    SetFocus(Handle(Access::Start(window)));
    Click(hwnd);
    CHECK(GetFocus() == Handle(Access::Yes(window)));
    CHECK(wrong.Left() == design::kWrongLeft);
    CHECK(Text(Handle(window)) == design::PageTitle(7));
    CloseEverything();
}

TEST_CASE("the background follows the desktop's button face where the texts stay readable") {
    frmMainVelkaro& window = ShownMainWindow();
    // A flat spot of the window's background, left of the instruction.
    const auto background = [&window] {
        HDC dc = GetDC(Handle(window));
        const COLORREF colour = GetPixel(dc, 3, 3);
        ReleaseDC(Handle(window), dc);
        return colour;
    };
    const int element = COLOR_BTNFACE;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto setFace = [&element](COLORREF colour) {
        SetSysColors(1, &element, &colour);
        Pump(300);
    };
    setFace(RGB(255, 255, 224));
    CHECK(background() == RGB(255, 255, 224));
    // On a dark face the blue and red texts would be hard to read: the classic light face.
    setFace(RGB(32, 32, 32));
    CHECK(background() == RGB(240, 240, 240));
    setFace(face);
    CHECK(background() == face);
    CloseEverything();
}

TEST_CASE("the stand-in face, and no text cut") {
    // Whatever Arabic faces the machine has: the one the shared table chooses among them.
    CHECK(!forms::platform::FamilyInstalled("No Such Family Here"));
    const std::string face =
        forms::ChooseFace("Traditional Arabic", forms::platform::FamilyInstalled).family;
    CHECK(forms::RenderFamily("Traditional Arabic") == face);
    MESSAGE("the Arabic texts are drawn in ", face);

    frmMainVelkaro& window = ShownMainWindow();
    const auto fits = [](forms::Label& label, const char* where) {
        const forms::win::LabelLayout layout = forms::win::LayoutOf(label);
        INFO(std::string(where), " ", label.Name());
        CHECK(layout.fits);
        CHECK(!layout.lines.empty());
    };
    fits(Access::Main(window), "start screen");
    if (forms::platform::FamilyInstalled(face)) {
        const std::wstring drawn = forms::win::LayoutOf(Access::Main(window)).font.lfFaceName;
        CHECK(drawn == std::wstring(face.begin(), face.end()));
    }
    Click(Handle(Access::Start(window)));
    for (int question = 1; question <= 7; ++question) {
        fits(Access::Question(window), "question");
        fits(Access::List(window), "list");
        Click(Handle(Access::No(window)));
    }
    fits(Access::List(window), "number screen");
    CloseEverything();

    forms::Restart();
    frmAbout& about = frmAbout::Instance();
    for (forms::Label* label : frmAboutTestAccess::Labels(about))
        fits(*label, "About window");
    CloseEverything();
}

TEST_CASE("the About window: size, frame, taskbar, greeting, and the end") {
    frmMainVelkaro& window = ShownMainWindow();
    window.Close();
    Pump(200);
    frmAbout& about = frmAbout::Instance();
    HWND hwnd = Handle(about);
    CHECK(Shown(hwnd));

    RECT client;
    GetClientRect(hwnd, &client);
    CHECK(client == Expected(design::kAboutClient));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    CHECK((style & WS_POPUP) != 0);
    CHECK((style & WS_DLGFRAME) != 0);
    CHECK((style & (WS_BORDER | WS_SYSMENU | WS_THICKFRAME)) == 0);
    CHECK((exStyle & WS_EX_TOOLWINDOW) != 0);
    CHECK((exStyle & WS_EX_APPWINDOW) == 0);
    CHECK(GetWindow(hwnd, GW_OWNER) == nullptr);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    const int frame = GetSystemMetricsForDpi(SM_CXDLGFRAME, UINT(ExpectedDpi()));
    CHECK(outer.right - outer.left == client.right + 2 * frame);
    const float screenWidth = float(GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixel();
    CHECK(about.Left() == (screenWidth - about.OuterWidth()) / 2);

    // The greeting: 50 twips a tick, exactly, from its design position; past the window's outer
    // width it starts again at -3600, and moves on in the same tick.
    forms::Label& greeting = frmAboutTestAccess::Greeting(about);
    frmAboutTestAccess::Timer(about).SetEnabled(false);
    const float before = greeting.Left();
    CHECK(std::fmod(before + 3360.0f, 50.0f) == 0.0f);
    frmAboutTestAccess::Tick(about);
    CHECK(greeting.Left() == before + 50);
    greeting.SetLeft(-3310);
    CHECK(Box(Handle(greeting)).left == std::lround(-3310.0f / TwipsPerPixel()));
    greeting.SetLeft(about.OuterWidth());
    frmAboutTestAccess::Tick(about);
    CHECK(greeting.Left() == about.OuterWidth() + 50);
    frmAboutTestAccess::Tick(about);
    CHECK(greeting.Left() == -3550.0f);
    // The Exit button, below the client area, holds the focus.
    CHECK(GetFocus() == Handle(frmAboutTestAccess::Exit(about)));

    // The timer ticks as the window's events, about every 10 ms (the figure is printed).
    std::vector<std::chrono::steady_clock::time_point> ticks;
    frmAboutTestAccess::Timer(about).Tick.Connect(
        [&ticks] { ticks.push_back(std::chrono::steady_clock::now()); });
    frmAboutTestAccess::Timer(about).SetEnabled(true);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
    MSG message;
    while (std::chrono::steady_clock::now() < until)
        if (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
    REQUIRE(ticks.size() > 10);
    const double mean =
        std::chrono::duration<double, std::milli>(ticks.back() - ticks.front()).count() /
        double(ticks.size() - 1);
    MESSAGE("the 10 ms timer ticked ", ticks.size(), " times in 1 s, every ", mean, " ms");

    // A click on the moving greeting ends the program.
    greeting.SetLeft(600);
    Click(Handle(greeting));
    CHECK(forms::win::ProcessPending() == false);
    CHECK(!Shown(hwnd));
    CloseEverything();

    // So does a key that reaches the window, and Space on the unseen Exit button.
    for (const WORD key : {WORD('X'), WORD(VK_SPACE)}) {
        forms::Restart();
        frmAbout& again = frmAbout::Instance();
        again.Show();
        Pump(200);
        Key(key);
        CHECK(forms::win::ProcessPending() == false);
        CHECK(!Shown(Handle(again)));
        CloseEverything();
    }
}

TEST_CASE("the version record and the icon of the program") {
    const char* exe = std::getenv("VELKARO_EXE");
    REQUIRE(exe != nullptr);
    std::wstring path;
    for (const char* c = exe; *c; ++c)
        path += wchar_t(*c);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    REQUIRE(size > 0);
    std::vector<BYTE> record(size);
    REQUIRE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwFileVersionMS == 0x00010000u);
    CHECK(fixed->dwFileVersionLS == 0u);
    CHECK(fixed->dwProductVersionMS == 0x00010000u);
    CHECK(fixed->dwFileType == DWORD(VFT_APP));

    const auto value = [&record](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT chars = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&text),
                            &chars) ||
            !text)
            return std::wstring();
        return std::wstring(text);
    };
    CHECK(value(L"FileVersion") == L"1.00");
    CHECK(value(L"ProductVersion") == L"1.00");
    CHECK(value(L"ProductName") == L"Velkaro");
    CHECK(value(L"InternalName") == L"Velkaro");
    CHECK(value(L"OriginalFilename") == L"Velkaro.exe");
    CHECK(!value(L"CompanyName").empty());

    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module != nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    REQUIRE(group != nullptr);
    const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(module, group)));
    REQUIRE(directory != nullptr);
    CHECK(directory[2] == 2); // two images
    const BYTE* entries = reinterpret_cast<const BYTE*>(directory + 3);
    std::vector<int> sizes{entries[0], entries[14]};
    CHECK(((sizes[0] == 32 && sizes[1] == 16) || (sizes[0] == 16 && sizes[1] == 32)));
    CHECK(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) != nullptr); // manifest
    FreeLibrary(module);
}

namespace {

// Runs the program with one argument; the text of the message box it shows, which the test
// then closes, and its exit code.
std::pair<std::string, DWORD> RunWithArgument(const std::wstring& program,
                                              const std::wstring& argument) {
    std::wstring line = L"\"" + program + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {"", DWORD(-1)};
    struct Search {
        DWORD id;
        HWND box;
    } search{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 200 && !search.box; ++tries) {
        Sleep(50);
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto& wanted = *reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                if (owner != wanted.id || !IsWindowVisible(hwnd))
                    return TRUE;
                wanted.box = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
    }
    std::string text;
    if (search.box) {
        text = Text(GetDlgItem(search.box, 0xFFFF)); // the message box's text
        PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    }
    WaitForSingleObject(process.hProcess, 10000);
    DWORD exitCode = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {text, exitCode};
}

} // namespace

TEST_CASE("the command line: --version and --help in a message box, nothing else taken") {
    const char* exe = std::getenv("VELKARO_EXE");
    REQUIRE(exe != nullptr);
    const std::wstring program(exe, exe + std::char_traits<char>::length(exe));
    const auto version = RunWithArgument(program, L"--version");
    CHECK(version.first == "Velkaro 1.00");
    CHECK(version.second == 0);
    const auto help = RunWithArgument(program, L"--help");
    CHECK(help.first.find("--version") != std::string::npos);
    CHECK(help.second == 0);
    const auto other = RunWithArgument(program, L"--fullscreen");
    CHECK(other.first.find("no arguments") != std::string::npos);
    CHECK(other.second == 2);
}

// Not a test: the screens to look at (scripts/windows-screenshots takes the pictures).
TEST_CASE("screens to look at" * doctest::skip()) {
    const std::string dpi = std::to_string(ExpectedDpi());
    frmMainVelkaro& window = ShownMainWindow();
    SaveShot(Handle(window), "start-" + dpi);
    Click(Handle(Access::Start(window)));
    SaveShot(Handle(window), "card-" + dpi);
    const int code = answer_codes::CodeOf(37);
    for (int question = 1; question <= 5; ++question)
        Click(Handle(answer_codes::SaysYes(code, question) ? Access::Yes(window)
                                                           : Access::No(window)));
    SaveShot(Handle(window), "range-" + dpi);
    for (int question = 6; question <= 7; ++question)
        Click(Handle(answer_codes::SaysYes(code, question) ? Access::Yes(window)
                                                           : Access::No(window)));
    SaveShot(Handle(window), "number-" + dpi);
    Click(Handle(Access::Yes(window)));
    Click(Handle(Access::Start(window)));
    ClickAnswers(window, 127);
    SaveShot(Handle(window), "checkyourself-" + dpi);
    window.Close();
    Pump(300);
    frmAbout& about = frmAbout::Instance();
    frmAboutTestAccess::Timer(about).SetEnabled(false);
    for (int tick = 0; tick < 60; ++tick)
        frmAboutTestAccess::Tick(about);
    SaveShot(Handle(about), "about-" + dpi);
    CloseEverything();
}

int main(int argc, char** argv) {
    forms::PreparePlatform();
    doctest::Context context(argc, argv);
    return context.run();
}
