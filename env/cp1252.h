#pragma once
#include <string>
#include <string_view>

// Text files on disk are Windows-1252; strings inside the program are UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// A character outside Windows-1252 (or a broken UTF-8 sequence) becomes "?".
std::string Utf8ToCp1252(std::string_view text);
// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first n characters of a UTF-8 text.
std::string Utf8Left(std::string_view text, std::size_t n);
// Upper and lower case of the ASCII letters and of the Latin-1 letters.
std::string Utf8Upper(std::string_view text);
std::string Utf8Lower(std::string_view text);
