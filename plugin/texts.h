// Every text the module hands to the host: static, code page 932.
#pragma once

namespace jolvent::text {

inline constexpr int kCodePage = 932;

inline constexpr const char* kModuleName = "Jolvent10";
inline constexpr char kAuthor[] = "KELMARO";
// A copy of its own, as the host has always been given.
inline constexpr char kCompany[] = "KELMARO";
// "ボールジョイントをスライダで操作するプラグイン"
inline constexpr const char* kDescription =
    "\x83\x7b\x81\x5b\x83\x8b\x83\x57\x83\x87\x83\x43\x83\x93\x83\x67\x82\xf0\x83\x58"
    "\x83\x89\x83\x43\x83\x5f\x82\xc5\x91\x80\x8d\xec\x82\xb7\x82\xe9\x83\x76\x83\x89"
    "\x83\x4f\x83\x43\x83\x93";

inline constexpr const char* kMainNameJapanese = "Jolvent...";
inline constexpr const char* kMainNameEnglish = "Jolvent...";
// "Jolvent属性クリア"
inline constexpr const char* kAttributeNameJapanese =
    "Jolvent\x91\xae\x90\xab\x83\x4e\x83\x8a\x83\x41";
inline constexpr const char* kAttributeNameEnglish = "Clear Jolvent Attribute";

}  // namespace jolvent::text
