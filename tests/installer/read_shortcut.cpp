// SPDX-License-Identifier: MIT
// read_shortcut.exe <file.lnk>: prints what a shortcut holds, as the Windows shell reads it, one
// "name=value" line each in UTF-8: target, arguments, description, icon (path,index).
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void print(const char* name, const wchar_t* value) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, value, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, value, -1, text.data(), size, nullptr, nullptr);
    }
    std::printf("%s=%s\n", name, text.c_str());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: read_shortcut.exe file.lnk\n");
        return 2;
    }
    if (FAILED(CoInitialize(nullptr))) {
        return 2;
    }
    int result = 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(argv[1], STGM_READ))) {
        wchar_t text[INFOTIPSIZE] = L"";
        int index = 0;
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        print("target", text);
        text[0] = L'\0';
        link->GetArguments(text, INFOTIPSIZE);
        print("arguments", text);
        text[0] = L'\0';
        link->GetDescription(text, INFOTIPSIZE);
        print("description", text);
        text[0] = L'\0';
        link->GetIconLocation(text, MAX_PATH, &index);
        std::wstring icon = text;
        icon += L"," + std::to_wstring(index);
        print("icon", icon.c_str());
        result = 0;
    } else {
        std::fprintf(stderr, "read_shortcut.exe: cannot read the shortcut\n");
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return result;
}
