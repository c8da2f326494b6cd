// The texts the panel shows the user, in code page 932.
#pragma once

namespace jolvent::text {

inline constexpr const char* kErrorCaption = "Error";
// "数値を入力してください"
inline constexpr const char* kNotANumber =
    "\x90\x94\x92\x6c\x82\xf0\x93\xfc\x97\xcd\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3"
    "\x82\xa2";
// "入力値が矛盾しています"
inline constexpr const char* kInconsistentValues =
    "\x93\xfc\x97\xcd\x92\x6c\x82\xaa\x96\xb5\x8f\x82\x82\xb5\x82\xc4\x82\xa2\x82\xdc"
    "\x82\xb7";

}  // namespace jolvent::text
