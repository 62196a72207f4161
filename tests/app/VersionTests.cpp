// The version Windows shows in the program's properties.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name)
{
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040504E2\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return L"";
    return value;
}

}  // namespace

TEST_CASE("the version resource: 1.08, Czech, Central European code page")
{
    wchar_t self[MAX_PATH];
    REQUIRE(GetModuleFileNameW(nullptr, self, MAX_PATH) > 0);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(self, &ignored);
    REQUIRE(size > 0);
    std::vector<BYTE> info(size);
    REQUIRE(GetFileVersionInfoW(self, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(HIWORD(fixed->dwFileVersionMS) == 1);
    CHECK(LOWORD(fixed->dwFileVersionMS) == 8);

    WORD* translation = nullptr;
    REQUIRE(VerQueryValueW(
        info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    CHECK(translation[0] == 0x0405);
    CHECK(translation[1] == 1250);

    CHECK(VersionString(info, L"ProductVersion") == L"1.08");
    CHECK(VersionString(info, L"ProductName") == L"Quinterra");
    CHECK(VersionString(info, L"FileDescription") == L"Quinterra – pět v řadě proti počítači");
}
