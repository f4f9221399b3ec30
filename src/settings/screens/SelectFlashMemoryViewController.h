#pragma once

#include "ui/VexoViewController.h"

#include <QList>
#include <QUrl>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class VolumeSource;
namespace Ui {
class SelectFlashMemoryView;
}

// The card chooser: which mounted local, removable volume is the camera's card.
class SelectFlashMemoryViewController : public VexoViewController
{
    Q_OBJECT

public:
    explicit SelectFlashMemoryViewController(std::shared_ptr<const VolumeSource> volumes, QObject *parent = nullptr);
    ~SelectFlashMemoryViewController() override;

    // The volumes offered, in listing order (filled when the view loads).
    const QList<QUrl> &diskVolumes() const { return m_diskVolumes; }
    // The volume at the selected item, or an empty URL when nothing is selected.
    QUrl selectedFlashMeoryUrl() const;

    QComboBox *flashMemoryComboBox() const;
    QLabel *titleLabel() const;
    QPushButton *okButton() const;
    QPushButton *cancelButton() const;

    void okButtonTouched();
    bool handlesCancel() const override { return true; }
    void cancelButtonTouched() override;

protected:
    QWidget *createView() override;
    void applyLanguageSettings() override;

private:
    std::shared_ptr<const VolumeSource> m_volumes;
    std::unique_ptr<Ui::SelectFlashMemoryView> m_ui;
    QList<QUrl> m_diskVolumes;
};
