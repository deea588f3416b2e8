// Qt's own texts (file dialogs, their buttons, the overwrite question,
// standard buttons) in Polish, like everything else the programs show.
#pragma once

class QCoreApplication;

namespace common {

// Installs Qt's Polish translations when the system has them; without them
// Qt's few own texts stay as they are and the program works the same.
void PolskieTekstyQt(QCoreApplication& aplikacja);

}  // namespace common
