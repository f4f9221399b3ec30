#pragma once

#include "settings/editor/QB62SettingEditor.h"
#include "ui/VexoEventViewDelegate.h"
#include "ui/VexoViewController.h"

#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class ImageButton;
class QLabel;

class RadioButton;
namespace Ui {
class QB62SettingViewController;
}

// The settings screen of the cameras whose settings live in SETTING/setup.cfg: four tabs of
// controls drawn from the editor model (QB62SettingEditor), which holds every control's state and
// does the work. The widgets here only show that state and report clicks back to it.
class QB62SettingViewController : public VexoViewController, public VexoEventViewDelegate
{
    Q_OBJECT

public:
    // Card maintenance (formatting, the touch-calibration reset) plugs in here.
    using ButtonHook = std::function<void(QB62SettingViewController &screen)>;

    // Edits the shared settings object.
    explicit QB62SettingViewController(QObject *parent = nullptr);
    ~QB62SettingViewController() override;

    QB62SettingEditor &editor() { return *m_editor; }
    const Ui::QB62SettingViewController &ui() const { return *m_ui; }

    void setMemoryCardFormatHook(ButtonHook hook) { m_formatHook = std::move(hook); }
    void setInitializeTouchHook(ButtonHook hook) { m_initializeTouchHook = std::move(hook); }
    void memoryCardFormatButtonTouched();
    void initializeTouchButtonTouched();

    void tabButtonTouched(ImageButton *tabButton);
    QWidget *currentContentView() const { return m_currentContentView; }
    QRect originContentViewFrame() const { return m_originContentViewFrame; }
    double originPartitionGraphWidth() const { return m_originPartitionGraphWidth; }

    void okButtonTouched();
    bool handlesCancel() const override { return true; }
    void cancelButtonTouched() override;
    void resetButtonTouched();
    // Widens a section title to its text and starts its split line 10 points after it.
    static void reSizeSplitLine(QWidget *splitLine, QLabel *textField);

    // The cells of a radio group, in order.
    QList<RadioButton *> radioCells(const QString &group) const { return m_cells.value(group); }
    // The guide labels of a slider, one per position.
    QList<QLabel *> guideLabels(const QString &slider) const { return m_guideLabels.value(slider); }
    // The description labels under a slider's track, one per position (hidden where it has none).
    QList<QLabel *> descriptionLabels(const QString &slider) const { return m_descriptionLabels.value(slider); }
    // The parking-mode question while it is open.
    QMessageBox *useParkingModeAlert() const { return m_useParkingModeAlert; }

    // Window dragging from the title strip.
    bool mouseDown(QMouseEvent *event) override;
    bool mouseDragged(QMouseEvent *event) override;

protected:
    QWidget *createView() override;
    void applyLanguageSettings() override;

private:
    void bindControls();
    void buildRadioGroup(const QString &name);
    void buildGuideLabels(const QString &slider);
    void syncControl(const QString &name);
    void syncSection(const QString &section);
    void syncGuideLabels();
    void syncPartitionGraph();
    void syncAll();
    void restackTabViews();
    void radioCellTouched(const QString &group, int cell);
    void showConfirmation(const QB62SettingEditor::Confirmation &confirmation);
    template <typename T> T *outlet(const QString &name) const;

    std::unique_ptr<QB62SettingEditor> m_editor;
    std::unique_ptr<Ui::QB62SettingViewController> m_ui;
    QHash<QString, QList<RadioButton *>> m_cells;
    QHash<QString, QList<QLabel *>> m_cellCaptions;
    QHash<QString, QList<QWidget *>> m_cellRings;
    QHash<QString, QList<QLabel *>> m_guideLabels;
    QHash<QString, QList<QLabel *>> m_descriptionLabels;
    QList<qint32> m_radioGroupIDs;
    QPointer<QWidget> m_currentContentView;
    QRect m_originContentViewFrame;
    double m_originPartitionGraphWidth = 0.0;
    QPoint m_lastWindowDragLocation;
    QPointer<QMessageBox> m_useParkingModeAlert;
    ButtonHook m_formatHook;
    ButtonHook m_initializeTouchHook;
    bool m_syncing = false;
};
