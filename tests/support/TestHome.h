#pragma once

#include <QString>
#include <QTemporaryDir>

// Every test process gets a home, documents, settings, cache, runtime and temporary folder of its
// own inside one private folder (under $TMPDIR, which ctest points at the build tree), set through
// the environment before anything reads it, so neither the tests nor the programs they start ever
// write into the user's own folders. The folder is removed when the test ends.
class TestHome
{
public:
    TestHome();
    bool isValid() const { return m_root.isValid(); }
    QString path() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};
