// The in-memory registry answers as the registry functions do.
#include "window_system/headless_registry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace jolvent {
namespace {

constexpr const char* kKey = "Software\\KELMARO\\Jolvent10";

TEST(HeadlessRegistry, OpensOnlyWhatExistsAndCreatesWhatDoesNot) {
  HeadlessRegistry registry;
  HKEY key = nullptr;
  EXPECT_EQ(registry.openKey(HKEY_CURRENT_USER, kKey, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  ASSERT_EQ(registry.createKey(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);
  const DWORD position = 0x00640032;
  EXPECT_EQ(registry.setValue(key, "Pos", REG_DWORD,
                              reinterpret_cast<const BYTE*>(&position), 4),
            ERROR_SUCCESS);
  EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);
  EXPECT_EQ(registry.closeKey(key), ERROR_INVALID_HANDLE);

  // Names are case-insensitive.
  ASSERT_EQ(registry.openKey(HKEY_CURRENT_USER, "software\\kelmaro\\JOLVENT10", &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(
      registry.queryValue(key, "pos", &type, reinterpret_cast<BYTE*>(&value), &size),
      ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(value, position);
  EXPECT_EQ(size, 4U);
  EXPECT_EQ(registry.queryValue(key, "Other", &type, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  registry.closeKey(key);
  EXPECT_EQ(registry.openKeyCount(), 0);
  EXPECT_EQ(registry.readDword(kKey, "Pos"), position);
}

TEST(HeadlessRegistry, ATooSmallBufferAnswersMoreDataAndTheSizeNeeded) {
  HeadlessRegistry registry;
  registry.writeDword(kKey, "Pos", 0x270F270F);
  HKEY key = nullptr;
  ASSERT_EQ(registry.openKey(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);
  BYTE small[2] = {0xAA, 0xAA};
  DWORD size = sizeof small;
  EXPECT_EQ(registry.queryValue(key, "Pos", nullptr, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 4U);
  size = 0;
  EXPECT_EQ(registry.queryValue(key, "Pos", nullptr, nullptr, &size), ERROR_SUCCESS)
      << "asking for the size alone";
  EXPECT_EQ(size, 4U);
  registry.closeKey(key);
}

TEST(HeadlessRegistry, FaultsAndDeletionsForTests) {
  HeadlessRegistry registry;
  registry.writeDword(kKey, "Pos", 1);
  registry.failKeyOpens(2);
  HKEY key = nullptr;
  EXPECT_EQ(registry.openKey(HKEY_CURRENT_USER, kKey, &key), ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry.createKey(HKEY_CURRENT_USER, kKey, &key), ERROR_ACCESS_DENIED);
  ASSERT_EQ(registry.openKey(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);

  registry.deleteKey("Software\\KELMARO");
  EXPECT_FALSE(registry.keyExists(kKey));
  EXPECT_EQ(registry.readDword(kKey, "Pos"), std::nullopt);
  DWORD size = 4;
  DWORD value = 0;
  EXPECT_EQ(
      registry.queryValue(key, "Pos", nullptr, reinterpret_cast<BYTE*>(&value), &size),
      ERROR_INVALID_HANDLE)
      << "a handle on a deleted key";
}

}  // namespace
}  // namespace jolvent
