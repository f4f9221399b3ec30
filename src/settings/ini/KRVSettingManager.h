#pragma once

#include "settings/ini/KRVSettingText.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class QB62SettingManager;
class SettingAlertPresenter;

// The settings of the one camera that keeps them as text, SETTING/blackbox.cfg on its card: the
// file's lines in memory, loaded whole and written whole. The card (where it is, which model) is
// the one the shared settings object has recognised.
class KRVSettingManager
{
public:
    // The file is a few hundred bytes; anything above this is not a settings file: it is neither
    // read nor replaced.
    static constexpr qint64 MaxSettingFileSize = 1024 * 1024;
    static constexpr qint64 ModelTypeQF27 = 6;

    enum class LoadResult
    {
        Card,      // the card's file was read
        Defaults,  // the card has no file: the factory settings were read
        Unreadable // a file is there but is no readable settings text: there are no lines
    };

    static std::shared_ptr<KRVSettingManager> SharedKRVSettingManager();

    // The three partitions of the card, A (recommended), B and C: maps "continuous", "event",
    // "park", "manual" to percents as decimal text.
    static const QList<QMap<QString, QString>> &memoryPartitionRatiosArray();

    KRVSettingManager();
    ~KRVSettingManager();
    KRVSettingManager(const KRVSettingManager &) = delete;
    KRVSettingManager &operator=(const KRVSettingManager &) = delete;

    const QStringList &linedSettings() const { return m_text.lines(); }
    // Replaces the lines; what they stand for stays what was loaded.
    void setLinedSettings(const QStringList &lines) { m_text.setLines(lines); }
    // Whether the lines stand for a settings file: the card's, read whole (an empty one too), or
    // the factory settings. Not after an unreadable file, and not before anything was loaded.
    bool hasText() const { return m_hasText; }
    const KRVSettingText &text() const { return m_text; }

    // Reads the card's SETTING/blackbox.cfg, or the factory settings when the card has none.
    LoadResult loadData();
    // The factory settings when the card is the QF27 camera's; nothing otherwise.
    void loadDefaultValue();
    // Replaces the lines with those of the factory settings file. False when it cannot be read.
    bool loadDefaultData_QF27();
    // Writes the lines to the card's SETTING/blackbox.cfg atomically, creating SETTING when
    // needed. Shows the memory card alert and returns false when there is no card, the card's
    // folder is gone, its SETTING folder leads out of it, the lines stand for no file (an
    // unreadable one was loaded) or the write fails; the card is unchanged then.
    bool saveData();

    void removeTimeDateDelimiters() { m_text.removeTimeDateDelimiters(); }
    void addTimeDateDelimiters(const QStringList &lines) { m_text.addTimeDateDelimiters(lines); }

    // The text after KEY on its first line, or nothing when no line has it.
    std::optional<QString> valueForKey(QStringView key) const { return m_text.valueForKey(key); }
    // Changes the first line of KEY; a key without a line changes nothing (false).
    bool setValueForKey(QStringView key, const QString &value) { return m_text.setValueForKey(key, value); }

    // The file on the card this object reads and writes; empty without a card folder.
    QString settingFilePath() const;

    // The recognised card this object works on; the shared settings object when never set.
    void setCardSettings(std::shared_ptr<QB62SettingManager> settings);
    std::shared_ptr<QB62SettingManager> cardSettings() const;
    // Who shows the memory card alert; the card settings object's presenter when never set.
    void setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter);

private:
    void showMemoryCardAlert();
    // The alert with MESSAGEKEY under the memory card title.
    void showAlert(const QString &messageKey);

    KRVSettingText m_text;
    bool m_hasText = false;
    std::shared_ptr<QB62SettingManager> m_cardSettings;
    std::shared_ptr<SettingAlertPresenter> m_alertPresenter;
};
