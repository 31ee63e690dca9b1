// Prints what Windows shows of a program's resources, for the package tests: its version
// information and its icons.
//   show_resources FILE.exe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string versionString(std::vector<char>& block, const char* name) {
    // The first translation the block lists.
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &size) ||
        size < sizeof(Translation))
        return "";
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translations->language, translations->codePage,
                  name);
    char* value = nullptr;
    if (!VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &size) || size == 0) return "";
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: show_resources FILE.exe\n", stderr);
        return 2;
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(argv[1], 0, size, block.data())) {
        std::printf("no version information\n");
    } else {
        for (const char* name : {"ProductName", "CompanyName", "ProductVersion", "LegalCopyright"})
            std::printf("%s=%s\n", name, versionString(block, name).c_str());
    }
    HMODULE module = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    int icons = 0;
    if (module) {
        EnumResourceNamesA(
            module, MAKEINTRESOURCEA(14),  // RT_GROUP_ICON
            [](HMODULE, LPCSTR, LPSTR, LONG_PTR count) -> BOOL {
                ++*reinterpret_cast<int*>(count);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&icons));
        FreeLibrary(module);
    }
    std::printf("IconGroups=%d\n", icons);
    return 0;
}
