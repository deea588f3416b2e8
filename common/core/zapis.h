// Writing the files the programs produce: the text report and the copy of
// the scheme picture. A failed write leaves any earlier file of that name
// as it was.
#pragma once

#include <string>
#include <vector>

namespace common {

// Writes the lines in Windows-1250, each ended by CR LF. Returns 0, or the
// system's error number when the file could not be written.
int ZapiszTekstCp1250(const std::string& sciezka, const std::vector<std::string>& wiersze);

// Writes the bytes as they are (a UTF-8 text for another program, say).
// 0 or the error number.
int ZapiszBajty(const std::string& sciezka, const std::string& bajty);

// Copies a file byte for byte, replacing the target. 0 or the error number.
int KopiujPlik(const std::string& zrodlo, const std::string& cel);

// The extension of a path in capitals, with its point (".TXT"); empty when
// the name has none.
std::string RozszerzenieDuze(const std::string& sciezka);

}  // namespace common
