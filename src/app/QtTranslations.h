#pragma once

#include <QObject>

#include <memory>

class QTranslator;

// Qt's own texts in the user's language: the names of keys in the shortcuts window and tooltips
// ("Gauche", "スペース"), and the buttons of Qt's standard dialogs. They come from Qt's translation
// files (qtbase_LANGUAGE.qm in Qt's translations folder, a Debian package of their own); a language
// without one keeps Qt's English. Follows the language preference as every table lookup does.
class QtTranslations : public QObject
{
    Q_OBJECT

public:
    explicit QtTranslations(QObject *parent = nullptr);
    ~QtTranslations() override;

    // Installs Qt's translation for the lookup language, replacing the one installed before.
    void apply();
    // The language whose file is installed, or empty when Qt speaks English.
    QString installedLanguage() const { return m_language; }

private:
    std::unique_ptr<QTranslator> m_translator;
    QString m_language;
};
