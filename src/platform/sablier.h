#pragma once
// The wait cursor for as long as a long operation of the user's runs
// (renumbering a large base, compaction, conversion, backup).

#include <QApplication>

class Sablier {
public:
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};
