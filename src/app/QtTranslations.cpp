#include "QtTranslations.h"

#include "core/NotificationCenter.h"
#include "core/Preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

QtTranslations::QtTranslations(QObject *parent) : QObject(parent)
{
    connect(&NotificationCenter::defaultCenter(), &NotificationCenter::refreshLanguage, this, &QtTranslations::apply);
    apply();
}

QtTranslations::~QtTranslations()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

void QtTranslations::apply()
{
    const QString language = Preferences::lookupLanguage();
    if (m_translator && language == m_language) {
        return;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        m_language.clear();
    }
    if (language == u"en"_s) {
        return; // Qt's own texts are English
    }
    auto translator = std::make_unique<QTranslator>();
    // QLocale finds the country file where the language has no plain one (pt → qtbase_pt_BR).
    if (!translator->load(QLocale(language), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
}
