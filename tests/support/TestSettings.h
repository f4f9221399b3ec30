#pragma once

#include <QString>

// Every test process writes its preferences into a private folder, never the user's. Tests that
// need a fresh store call reset().
class TestSettings
{
public:
    // Points QSettings at a private temporary folder for the rest of the process.
    static void install();
    // Removes every stored preference.
    static void reset();
    static QString folder();
};
