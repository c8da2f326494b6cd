// What both dialog templates share. Included by the resource script as well as
// by C++, so it holds preprocessor definitions only.
#pragma once

// Japanese (Japan): primary 0x11, sub-language 0x01, LANGID 1041.
#define JOLVENT_DIALOG_LANGUAGE_PRIMARY 0x11
#define JOLVENT_DIALOG_LANGUAGE_SUB 0x01
#define JOLVENT_DIALOG_LANGID 0x0411

// "ＭＳ Ｐゴシック" in code page 932, spelled as escapes so that the C++ table
// holds the bytes and the resource compiler, told the code page, writes the
// UTF-16 of the same text.
#define JOLVENT_DIALOG_FONT_NAME \
  "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"
#define JOLVENT_DIALOG_FONT_SIZE 9
