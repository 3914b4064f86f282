// Reading the first lines of a small text file, the way the intro's text file is written on
// Windows or on Linux, with bounded memory and time whatever the file holds.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A line keeps at most this many bytes of the file; the rest of it is skipped.
constexpr std::size_t MaxLineBytes = 64 * 1024;
// No more than this many bytes of a file are ever looked at: what lies beyond reads as its end.
constexpr std::size_t MaxTextBytes = 1024 * 1024;

// True when anything (a file, a directory, ...) is there under that name.
bool FileExists(const std::string& path);

// The first `count` lines of the file, in Windows-1252. A line ends at CR, CR LF or a lone LF;
// the byte 0x1A ends the text like the end of the file; lines after the end read as empty.
// A file that is valid UTF-8 (with or without a byte-order mark) and uses multi-byte
// characters is converted to Windows-1252; any other file is taken byte for byte.
// Raises Exception when the file cannot be opened or read.
std::vector<std::string> ReadTextLines(const std::string& path, std::size_t count);
