#include "common/core/bledy_systemu.h"

#include <cerrno>

namespace common {

std::string OpisBleduPliku(int numer) {
  switch (numer) {
    case ENOENT: return "nie ma takiego pliku lub katalogu";
    case EACCES: case EPERM: return "brak uprawnień";
    case ENOSPC: return "brak miejsca na dysku";
    case EROFS: return "system plików tylko do odczytu";
    case EISDIR: return "to jest katalog";
    case ENOTDIR: return "część ścieżki nie jest katalogiem";
    case ENAMETOOLONG: return "za długa nazwa pliku";
    case EEXIST: return "plik już istnieje";
    case EMFILE: case ENFILE: return "za dużo otwartych plików";
    case EIO: return "błąd wejścia-wyjścia";
    case EFBIG: return "plik jest za duży";
    case EBUSY: return "plik jest zajęty";
    case EINVAL: return "nieprawidłowa nazwa pliku";
    default: return "błąd systemu nr " + std::to_string(numer);
  }
}

}  // namespace common
