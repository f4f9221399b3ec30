#include "VexoLanguages.h"

#include "AppResources.h"
#include "Preferences.h"

#include <QTranslator>

VexoLanguages::VexoLanguages() = default;
VexoLanguages::~VexoLanguages() = default;

VexoLanguages &VexoLanguages::SharedVexoLanguages()
{
    static VexoLanguages shared;
    return shared;
}

QString VexoLanguages::localized(const QString &key)
{
    return localized(key, Preferences::lookupLanguage());
}

QString VexoLanguages::localized(const QString &key, const QString &languageCode)
{
    // A language without a table shows the Korean keys rather than blank labels: the user can
    // still find their way, and start-up keeps the stored language to one that has a table.
    const QTranslator *table = tableFor(languageCode);
    if (table == nullptr || key.isEmpty()) {
        return key;
    }
    const QString text = table->translate(TableName, key.toUtf8().constData());
    return text.isEmpty() ? key : text;
}

const QTranslator *VexoLanguages::tableFor(const QString &languageCode)
{
    auto found = m_tables.find(languageCode);
    if (found != m_tables.end()) {
        return found->second.get();
    }
    auto table = std::make_unique<QTranslator>();
    const QString path = AppResources::translationTablePath(languageCode);
    if (path.isEmpty() || !table->load(path)) {
        table.reset();
    }
    return m_tables.emplace(languageCode, std::move(table)).first->second.get();
}
