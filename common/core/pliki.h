// Files of an exercise: reading one whole, finding its companions. An
// exercise is a set of files with one base name and different extensions.
#pragma once

#include <optional>
#include <string>

namespace common {

// The argument with its last four characters (its extension) replaced by
// `rozszerzenie`: how every companion file of an exercise is named.
std::string NazwaTowarzyszaca(const std::string& argument, const std::string& rozszerzenie);

// The companion file with `rozszerzenie` (such as ".URM"): the argument
// without its last four characters plus the extension, or that name in
// capital letters; when no file has either, the one file in the same folder
// whose name equals it ignoring letter case. Nothing when the argument
// names no existing file or no such companion exists.
std::optional<std::string> PlikTowarzyszacy(const std::string& argument, const std::string& rozszerzenie);

// The whole content of a file, or the reason in Polish why it could not be
// read (also when it is larger than an exercise file can be).
bool CzytajPlik(const std::string& sciezka, std::string& bajty, std::string& blad);

// True when the path names an existing regular file.
bool JestPlikiem(const std::string& sciezka);

// The task statement of the exercise named by `argument`: its companion
// file with `rozszerzenie` (".SRM", ".SRZ"), Windows-1250 text, returned in
// UTF-8 with every line ended by "\n". Nothing, with the reason in Polish
// in `blad`, when that file is missing or cannot be read.
std::optional<std::string> TrescZadania(const std::string& argument, const std::string& rozszerzenie,
                                        std::string& blad);

}  // namespace common
