#pragma once

#include <string>
#include <string_view>

namespace orbato {

// The model keeps texts in Windows-1252; the Qt side, the terminal and CSV files speak UTF-8.
std::string Utf8AusCp1252(std::string_view text);
// The Unicode character a Windows-1252 byte stands for.
char32_t UnicodeAusCp1252(unsigned char byte);
// Characters Windows-1252 cannot hold, and bytes that are not UTF-8, become '?'.
std::string Cp1252AusUtf8(std::string_view text);
// The plain form of a typographic quote or dash, which word processors put into pasted names:
// the double quotes to ", the single ones to ', en and em dash to -. Every other byte is returned
// as it is.
char SchlichtesZeichen(char cp1252);

}  // namespace orbato
