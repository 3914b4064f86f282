// Converting UTF-8 text to the single-byte Windows-1252 code page the intro's text is in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The byte that stands for a character Windows-1252 lacks: a code point the code page leaves
// undefined, so the character keeps its place but no font has a glyph for it.
constexpr char MissingCharacter = '\x81';

// The Windows-1252 text of valid UTF-8, one byte per character; nothing when the bytes are
// not valid UTF-8 (overlong forms, surrogates and truncated sequences included).
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// True when the text holds a byte outside ASCII.
bool HasNonAscii(std::string_view text);
