#pragma once

#include <QString>

#include <map>
#include <memory>

class QTranslator;

// Looks up the text the user sees by its Korean source wording, in the table of the current
// language. The language is read on every call, so a change applies at the next lookup.
class VexoLanguages
{
public:
    static constexpr const char *TableName = "Localizable_QB62";

    static VexoLanguages &SharedVexoLanguages();

    // The text for KEY in the language lookups currently use; KEY itself when untranslated.
    QString localized(const QString &key);
    // The text for KEY in the given language; KEY itself when that language or key has no entry.
    QString localized(const QString &key, const QString &languageCode);

    VexoLanguages(const VexoLanguages &) = delete;
    VexoLanguages &operator=(const VexoLanguages &) = delete;
    ~VexoLanguages();

private:
    VexoLanguages();
    const QTranslator *tableFor(const QString &languageCode);

    // Tables are loaded once per language and kept; a language without a table maps to null.
    std::map<QString, std::unique_ptr<QTranslator>> m_tables;
};
