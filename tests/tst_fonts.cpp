// SPDX-License-Identifier: MIT
// The face that draws each designed font, and its size, for the families a machine may have:
// the same choice on every platform.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/Fonts.h"
#include "forms/Platform.h"

namespace {
std::set<std::string, std::less<>> gInstalled;
} // namespace

// The platform's answer, from the table's row.
bool forms::platform::FamilyInstalled(std::string_view family) {
    return gInstalled.count(family) != 0;
}

TEST_CASE("the stand-in faces and their sizes, for each set of installed families") {
    struct Row {
        const char* machine;
        std::set<std::string, std::less<>> installed;
        const char* designed;
        forms::FaceChoice expected;
    };
    const std::vector<Row> rows{
        {"Windows with the Arabic supplemental fonts",
         {"Traditional Arabic", "Arial", "Segoe UI"},
         "Traditional Arabic",
         {"Traditional Arabic", 1.0}},
        {"Debian with Amiri",
         {"Amiri", "Noto Naskh Arabic", "DejaVu Sans"},
         "Traditional Arabic",
         {"Amiri", 0.75}},
        {"Debian with Noto",
         {"Noto Naskh Arabic", "DejaVu Sans"},
         "Traditional Arabic",
         {"Noto Naskh Arabic", 0.7}},
        {"Windows 10 without Arabic",
         {"Arial", "Times New Roman", "Tahoma", "Segoe UI"},
         "Traditional Arabic",
         {"Times New Roman", 0.75}},
        {"Arial and Segoe UI", {"Segoe UI", "Arial"}, "Traditional Arabic", {"Arial", 0.75}},
        {"Tahoma alone", {"Tahoma"}, "Traditional Arabic", {"Tahoma", 0.7}},
        {"Segoe UI alone", {"Segoe UI"}, "Traditional Arabic", {"Segoe UI", 0.7}},
        {"no stand-in", {"DejaVu Sans"}, "Traditional Arabic", {"Traditional Arabic", 1.0}},
        {"the title with Amiri", {"Amiri", "Arial"}, "Mudir MT", {"Amiri", 1.0}},
        {"the title on Windows",
         {"Arial", "Times New Roman", "Tahoma", "Segoe UI"},
         "Mudir MT",
         {"Times New Roman", 1.0}},
        {"the title with Segoe UI", {"Segoe UI"}, "Mudir MT", {"Segoe UI", 0.9}},
        {"the title's own face", {"Mudir MT", "Amiri"}, "Mudir MT", {"Mudir MT", 1.0}},
        {"a face with no stand-ins", {"Amiri"}, "Courier New", {"Courier New", 1.0}},
    };
    for (const Row& row : rows) {
        INFO(row.machine, ": ", row.designed);
        const auto installed = [&row](std::string_view family) {
            return row.installed.count(family) != 0;
        };
        CHECK(forms::ChooseFace(row.designed, installed) == row.expected);
    }
}

TEST_CASE("the platform is asked once per family") {
    gInstalled = {"Tahoma"};
    CHECK(forms::RenderFamily("Traditional Arabic") == "Tahoma");
    CHECK(forms::RenderScale("Traditional Arabic") == 0.7);
    gInstalled = {"Amiri"};
    CHECK(forms::RenderFamily("Traditional Arabic") == "Tahoma");
}
