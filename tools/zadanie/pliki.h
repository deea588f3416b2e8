// The text files of an exercise: the data lines of the ".ZRM" or ".ZRZ"
// read from the teacher's data file and checked line by line, the task
// file's lines; and, for a load-flow exercise, the trial run that proves it
// can be solved: the load flow computed exactly as the program will do it
// once the student has typed the slack node, its voltage, epsilon and r.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"
#include "tools/zadanie/opis.h"

namespace zwarcia {
struct WynikZwarcia;
}

namespace zadanie {

// A text file in UTF-8 or Windows-1250, as UTF-8: a text that is valid
// UTF-8 is taken as it is, any other as Windows-1250.
std::string NaUtf8(std::string_view bajty);

// What each data line of an exercise file holds: a count, or a column of
// the table whose count stands on data line `liczba`.
struct WierszUkladu {
  const char* znaczenie;  // "linie: długość [km]"
  int liczba;             // -1: the line is a count itself
};
struct UkladPliku {
  const char* rozszerzenie;  // ".ZRM"
  int pierwszy;              // the file's line number of data line 0, the file's first line being 1
  std::vector<WierszUkladu> wiersze;
};
const UkladPliku& UkladZrm();  // lines 3 to 30 of the load-flow file
const UkladPliku& UkladZrz();  // lines 3 to 26 of the short-circuit file

// The data lines of the exercise file from the teacher's data file (UTF-8
// or Windows-1250, any line ends), in Windows-1250 without line ends or
// surrounding blanks. A line whose first character other than a blank is
// "#" is a comment and no line of the file; elsewhere "#" starts a comment
// to the end of the line. An empty line stays a line (an empty column).
// Throws std::runtime_error when the file has more lines than the program
// reads. `numery`, when given, receives the data file's line number of
// each line.
std::vector<std::string> WierszeDanych(std::string_view bajty, std::vector<int>* numery = nullptr,
                                       const UkladPliku& uklad = UkladZrm());

// What makes the lines unfit for the program, one message per fault: a
// count that is no whole number, a column with more or fewer values than
// elements, a value that is no number. Each message names the line of the
// data file (`numery`) and of the exercise file and what the line holds.
// Empty when the program will take the file.
std::vector<std::string> BledyDanych(const std::vector<std::string>& wiersze, const std::vector<int>& numery,
                                     const UkladPliku& uklad = UkladZrm());

// The task file's lines (UTF-8): the task statement, then, when the
// description names them, the values the student types on the last pages.
std::vector<std::string> TekstZadania(const OpisUkladu& opis);

// The rated voltage of a node in kV: the level of its lines, or of its
// transformer winding when no line reaches it; 0 for a node of neither.
double NapiecieZnamionowe(const kreator::Przypadek& p, int wezel);

struct ProbneObliczenie {
  bool dobre = false;
  std::vector<std::string> wiersze;  // for the teacher: node table, warnings, or why it failed
  // What the program computed, when it computed: the answer key and the
  // variants' checks read the numbers from here, never from the lines.
  std::shared_ptr<const kreator::WynikRozplywu> rozplyw;
  std::shared_ptr<const zwarcia::WynikZwarcia> zwarcie;
};

// Loads the ".ZRM" bytes, types the description's slack node, voltage,
// epsilon and r as a student would, and computes by the description's
// method (Newton-Raphson as the batch mode's --metoda newton, which needs
// no r). Not good when the file,
// a value, the configuration check or the convergence is refused.
// Voltages outside 0,9..1,1 of the rated one are only warned about.
ProbneObliczenie Przelicz(std::string_view zrm, const OpisUkladu& opis);

}  // namespace zadanie
