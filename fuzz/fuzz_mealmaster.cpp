// libFuzzer entry for cibles::mealmaster (see cibles.h).
#include "cibles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (!cibles::mealmaster(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille))))
        std::abort();
    return 0;
}
