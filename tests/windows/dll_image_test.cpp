// What Windows itself sees in Jolvent10.dll: its exports, its imports and its
// version resource, read with the system's own loader and version API.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tests/common/module_path.h"

namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The module mapped as an image, without running its entry point.
class MappedImage {
public:
  explicit MappedImage(const std::string& path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}
  ~MappedImage() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  MappedImage(const MappedImage&) = delete;
  MappedImage& operator=(const MappedImage&) = delete;

  bool loaded() const { return module_ != nullptr; }

  template <class T>
  const T* at(DWORD rva) const {
    return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module_) + rva);
  }

  const IMAGE_DATA_DIRECTORY& directory(int entry) const {
    const auto* dos = at<IMAGE_DOS_HEADER>(0);
    const auto* nt = at<IMAGE_NT_HEADERS64>(static_cast<DWORD>(dos->e_lfanew));
    return nt->OptionalHeader.DataDirectory[entry];
  }

  std::vector<std::string> exportNames() const {
    std::vector<std::string> names;
    const IMAGE_DATA_DIRECTORY& entry = directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    if (entry.Size == 0) return names;
    const auto* exports = at<IMAGE_EXPORT_DIRECTORY>(entry.VirtualAddress);
    const auto* nameRvas = at<DWORD>(exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
      names.emplace_back(at<char>(nameRvas[i]));
    EXPECT_EQ(exports->NumberOfFunctions, exports->NumberOfNames)
        << "exports by ordinal only";
    return names;
  }

  std::vector<std::string> importedModules() const {
    std::vector<std::string> names;
    const IMAGE_DATA_DIRECTORY& entry = directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    for (const auto* import = at<IMAGE_IMPORT_DESCRIPTOR>(entry.VirtualAddress);
         import->Name != 0; ++import) {
      names.push_back(lower(at<char>(import->Name)));
    }
    return names;
  }

private:
  HMODULE module_;
};

TEST(DllImage, ExportsExactlyTheSevenBoundaryFunctionsByName) {
  MappedImage image(jolvent::test::modulePath());
  ASSERT_TRUE(image.loaded());
  std::vector<std::string> names = image.exportNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"create_interface", "get_info", "get_name",
                                             "get_text_encoding", "get_uuid",
                                             "has_interface", "is_resident"}));
}

TEST(DllImage, ImportsOnlyWindowsSystemLibraries) {
  // No C++ runtime, pthread or gcc support DLL may be needed beside the plug-in.
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                        "advapi32.dll", "comctl32.dll", "msvcrt.dll"};
  MappedImage image(jolvent::test::modulePath());
  ASSERT_TRUE(image.loaded());
  const std::vector<std::string> imports = image.importedModules();
  EXPECT_FALSE(imports.empty());
  for (const std::string& name : imports) {
    EXPECT_TRUE(system.count(name) == 1) << "imports " << name;
  }
}

class VersionResource : public ::testing::Test {
protected:
  void SetUp() override {
    const std::string path = jolvent::test::modulePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0U);
    data.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
  }

  std::string value(const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&text),
                        &length)) {
      return "<missing>";
    }
    return std::string(text);
  }

  std::vector<char> data;
};

TEST_F(VersionResource, CarriesVersion3000ForFileAndProduct) {
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(
      VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
  EXPECT_EQ(info->dwSignature, 0xFEEF04BDU);
  EXPECT_EQ(info->dwFileVersionMS, MAKELONG(0, 3));
  EXPECT_EQ(info->dwFileVersionLS, 0U);
  EXPECT_EQ(info->dwProductVersionMS, MAKELONG(0, 3));
  EXPECT_EQ(info->dwProductVersionLS, 0U);
  EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST_F(VersionResource, HasAJapaneseUnicodeStringTable) {
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4U);
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionResource, NamesTheModule) {
  EXPECT_EQ(value("FileDescription"), "Jolvent10");
  EXPECT_EQ(value("InternalName"), "Jolvent10");
  EXPECT_EQ(value("OriginalFilename"), "Jolvent10.dll");
  EXPECT_EQ(value("ProductName"), "Jolvent");
}

}  // namespace
