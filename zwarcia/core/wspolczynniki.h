// The factor rules of the results window: the peak factor κ and the
// thermal factor m as typed in their boxes, and the currents they give from
// the initial current I″. Every rule reads its inputs back from the boxes'
// text, so I″ is used as shown, to four decimals, and the window, the report
// and the batch mode agree to the last digit shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zwarcia {

inline constexpr const char* kTytulBleduWspolczynnika = "BŁĄD !!!";
inline constexpr const char* kZlyWspolczynnikUdaru =
    "Podano nieprawidłową wartość współczynnika udaru.\nWspółczynnik ten ma zawierać się w przedziale od 1,0 do 2,0";
inline constexpr const char* kZlyWspolczynnikM =
    "Podano nieprawidłową wartość współczynnika uwzględniającego wpływ cieplny składowej nieokresowej prądu "
    "zwarciowego.\nWspółczynnik ten ma być większy od 0 i mniejszy od 2.";

inline constexpr double kKappaMin = 1.0, kKappaMax = 2.0;
inline constexpr double kMMin = 0.0, kMMax = 2.0;

// A current in kA as its box shows it: "0.0000", decimal comma.
std::string TekstPradu(double kA);

// The number in a box, or nothing when the box is empty or not a number.
std::optional<double> LiczbaZPola(std::string_view tekst);

// ip = √2·κ·I″ and Ith = I″·√(m + 1) (the periodic factor n taken as 1), kA.
double PradUdarowy(double kappa, double prPocz);
double PradCieplny(double m, double prPocz);

// The symmetrical breaking current equals the initial current: its box
// always holds the text of the initial current's box.
std::string PradWylaczeniowySymetryczny(std::string_view prPoczE);

// A change of WspUdaruE. Whatever the outcome, WspME is emptied after it,
// so a new κ discards m and the thermal current.
struct ZmianaUdaru {
  bool wspMAktywne = false;             // SpeedButton7 and WspME enabled: κ was accepted
  std::optional<std::string> prZwUdar;  // new text of PrZwUdarE; nothing: it keeps its text
  std::optional<std::string> blad;      // shown with kTytulBleduWspolczynnika; WspUdaruE is then emptied
};
ZmianaUdaru ZmienWspolczynnikUdaru(std::string_view wspUdaruE, std::string_view prPoczE);

// A change of WspME.
struct ZmianaM {
  std::string prZwCieplny;          // new text of PrZwCieplnyE, empty unless m was accepted
  std::optional<std::string> blad;  // shown with kTytulBleduWspolczynnika; WspME is then emptied
};
ZmianaM ZmienWspolczynnikM(std::string_view wspME, std::string_view prPoczE);

}  // namespace zwarcia
