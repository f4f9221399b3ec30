#pragma once

#include "settings/record/CardLanguage.h"
#include "settings/record/SettingRecord.h"
#include "settings/record/SettingRecordLayout.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class SettingAlertPresenter;
class VolumeSource;

// The camera settings of the card in use: the 116 fields of SETTING/setup.cfg, and what is known
// about the card (where it is, which model wrote it, its firmware, region and languages). One
// shared instance serves the whole application; the editor's reset may replace it.
//
// Card writes are whole-file and atomic, and never drop bytes this program does not understand: a
// setup.cfg longer than the current model's layout keeps its bytes beyond the layout.
class QB62SettingManager
{
public:
    using Field = SettingRecordLayout::Field;

    enum class LoadResult
    {
        Read,             // the record was read and rewritten in the current layout
        ReadNotRewritten, // read, but no known model wrote it and none was chosen: left as it is
        Defaults,         // no record on the card: the model's factory settings were applied
        Unreadable        // a record exists but could not be read: nothing changed, nothing written
    };

    // Card files larger than this are not settings records; they are neither read nor replaced.
    static constexpr qint64 MaxRecordFileSize = 16 * 1024 * 1024;
    static constexpr qint64 MaxLanguageFileSize = 1024 * 1024;

    static std::shared_ptr<QB62SettingManager> SharedQB62SettingManager();
    // Makes MANAGER the shared instance. It inherits the alert presenter and volume source of the
    // instance it replaces (and the card the user picked) when it has none of its own. A null
    // MANAGER is ignored.
    static void ChagneQB62SettingManager(std::shared_ptr<QB62SettingManager> manager);

    QB62SettingManager();
    ~QB62SettingManager();
    QB62SettingManager(const QB62SettingManager &) = delete;
    QB62SettingManager &operator=(const QB62SettingManager &) = delete;

    // --- Record fields -------------------------------------------------------------------------
    qint32 value(int field) const { return m_record.value(field); }
    void setValue(int field, qint32 value) { m_record.setValue(field, value); }
    QString text(int field) const { return m_record.text(field); }
    void setText(int field, const QString &text) { m_record.setText(field, text); }
    const SettingRecord &record() const { return m_record; }
    void setRecord(const SettingRecord &record) { m_record = record; }

    // N, the number of fields the current model type stores.
    int getSettingVariableCount() const;
    // The byte length of a record of N fields.
    int getSaveDataSize() const;
    // Where FIELD starts in the record; 0 for the first field and for anything not a field.
    int offsetFromValue(int field) const;

    // Reads SETTING/setup.cfg under settingDirPath (or setting/setup.cfg, whichever the recognition
    // found) into the first N fields and rewrites it in the current layout. A record that names no
    // known model is rewritten only when the model was chosen (chooseModelType). Without a record
    // the model's factory settings apply and nothing is written. Only a regular file inside the
    // card is read: a link, pipe or device is Unreadable.
    LoadResult loadData();
    // Writes the first N fields to the card's settings record, atomically, creating the folder when
    // needed. Bytes of the present file beyond the N fields are kept, so the file never gets
    // shorter; for model type 26, N is the number of whole fields the present file holds. Shows the
    // memory card alert and returns false when there is no card folder, the present record cannot
    // be read (or is not a regular file inside the card) or the write fails; the fields are
    // unchanged either way.
    bool saveData();
    // Why the last loadData or saveData did not read or write the card; empty when it did.
    QString lastError() const { return m_lastError; }
    // The factory settings of the current model type (types 0 to 5); nothing for other types.
    void loadDefaultValue();
    // Reads the card's own defaults, SETTING/default.cfg, into as many fields as it holds (at most
    // 116, whatever the model). False when it is missing or unreadable; nothing is written.
    bool loadDefaultDataFromDefaultCfgFile();
    void loadDefaultDataForQA41();
    void loadDefaultDataForQB62();
    void loadDefaultDataForQC23();
    // Uses the United Kingdom's clock and units when localID is 3.
    void loadDefaultDataForQD34();
    void loadDefaultDataForQE86();

    // --- Card and model recognition --------------------------------------------------------------
    // The first mounted local, removable volume that holds a recognisable camera card, or a null
    // string. Leaves sdcard_url at that volume, or empty when there is none.
    QString findSDCardPath();
    // The model type of the card at ROOT (-1 to 26). For a record recognised only by its length
    // field (type 26) modelName becomes the product name as the card spells it.
    qint64 loadModelTypeWithSDPath(const QString &root);
    // The region code of the card at ROOT, -1 to 6.
    qint64 loadLocalIDWithSDPath(const QString &root) const;
    // The firmware version text of the card at ROOT, or a null string.
    QString loadVersionSDPath(const QString &root) const;
    // Finds the card among the mounted volumes and recognises it (recognizeCardAtPath).
    void loadVersionInfo();
    // The card the user picked in the card chooser: findSDCardPath returns it, while it is mounted,
    // local, removable and recognisable, before any card listed earlier. Empty to forget it.
    void setChosenCardPath(const QString &path) { m_chosenCardPath = path; }
    QString chosenCardPath() const { return m_chosenCardPath; }
    // Recognises the card at ROOT (which need not be a volume): settingDirPath, modelType, the
    // region for types 3 and 4, version and firmwareVersionInt.
    void recognizeCardAtPath(const QString &root);
    // Reads SETTING/lang/ver.dat under settingDirPath into languages; the default list when the
    // card names none.
    void loadLanguages();

    // --- Card state ----------------------------------------------------------------------------
    QString settingDirPath() const { return m_settingDirPath; }
    void setSettingDirPath(const QString &path) { m_settingDirPath = path; }
    QUrl sdcard_url() const { return m_sdcardUrl; }
    void setSdcard_url(const QUrl &url) { m_sdcardUrl = url; }
    qint64 modelType() const { return m_modelType; }
    // The model type as recognised or assumed; not the user's choice.
    void setModelType(qint64 type)
    {
        m_modelType = type;
        m_modelChosen = false;
    }
    // The user's choice of model (the model chooser, the tool's --model): loadData then rewrites
    // even a record that names no known model. A new recognition or setModelType forgets it.
    void chooseModelType(qint64 type);
    // Whether the model type is the user's choice rather than a recognition's.
    bool isModelChosen() const { return m_modelChosen; }
    qint64 localID() const { return m_localID; }
    void setLocalID(qint64 id) { m_localID = id; }
    qint32 firmwareVersionInt() const { return m_firmwareVersionInt; }
    void setFirmwareVersionInt(qint32 number) { m_firmwareVersionInt = number; }
    QString modelName() const { return m_modelName; }
    void setModelName(const QString &name) { m_modelName = name; }
    CardLanguageList languages() const { return m_languages; }
    void setLanguages(const CardLanguageList &languages) { m_languages = languages; }
    const QStringList &modelNameList() const;
    // The name shown for the current model: the card's own for type 26, the table's otherwise,
    // null when no model is known.
    QString displayModelName() const;

    // --- Collaborators -------------------------------------------------------------------------
    void setAlertPresenter(std::shared_ptr<SettingAlertPresenter> presenter);
    std::shared_ptr<SettingAlertPresenter> alertPresenter() const { return m_alertPresenter; }
    // Where findSDCardPath looks for cards; the system's mounts when never set.
    void setVolumeSource(std::shared_ptr<const VolumeSource> volumes);

    // The memory card alert, through the alert presenter (nothing without one).
    void showMemoryCardAlert();
    // The alert for a write to the card that failed: it says so when the card is write-protected,
    // else it is the memory card alert.
    void showWriteFailedAlert();
    // An alert of TITLEKEY and MESSAGEKEY, localized, with an OK button.
    void showAlert(const QString &titleKey, const QString &messageKey);

private:
    // The card's settings folder: the one holding the recognised record, else one that exists in
    // either spelling, else SETTING.
    QString settingFolderPath() const;
    QString recordFilePath() const;
    // How many fields a record written over a file of FILESIZE bytes holds (-1: no file).
    int fieldCountForFile(qint64 fileSize) const;

    SettingRecord m_record;
    QString m_settingDirPath;
    QString m_chosenCardPath;
    QUrl m_sdcardUrl;
    qint64 m_modelType = -1;
    bool m_modelChosen = false;
    qint64 m_localID = -1;
    qint32 m_firmwareVersionInt = 0;
    QString m_modelName;
    CardLanguageList m_languages;
    std::shared_ptr<SettingAlertPresenter> m_alertPresenter;
    std::shared_ptr<const VolumeSource> m_volumes;
    QString m_lastError;
};
