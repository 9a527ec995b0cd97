#pragma once
// Peak resident memory of the benchmark process, read from /proc.

#include <fstream>
#include <string>

// Peak resident memory since the last reset, in MiB.
inline double picMo()
{
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0)
            return std::stod(ligne.substr(6)) / 1024.0;
    return 0;
}

// Starts a new peak from the memory in use now.
inline void remettrePic()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
