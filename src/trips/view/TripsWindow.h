#pragma once

#include <QWidget>

#include <memory>

class QAbstractItemModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
namespace Ui {
class TripsWindow;
}

// The Trips window's widgets (resources/ui/TripsWindow.ui): the status line with the build's
// progress and its cancel and read-again buttons, the list of trips (each row with its trip's
// colour) and the place of the map beside it. It decides nothing; TripsViewController drives it.
class TripsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TripsWindow(QWidget *parent = nullptr);
    ~TripsWindow() override;

    // Shows MODEL's rows; its TripsViewModel::ColourRole colours a mark before each row.
    void setModel(QAbstractItemModel *model);
    // Puts MAP (the map's web view) in the map's place.
    void setMap(QWidget *map);
    // The build's progress: DONE of TOTAL; TOTAL 0 shows a busy bar.
    void showProgress(qsizetype done, qsizetype total);
    // BUSY: the progress bar and the cancel button show, the read-again button does not.
    void setBusy(bool busy);
    void setStatus(const QString &text);

    QTableView *table() const;
    QLabel *statusLabel() const;
    QProgressBar *progressBar() const;
    QPushButton *cancelButton() const;
    QPushButton *rebuildButton() const;

private:
    std::unique_ptr<Ui::TripsWindow> m_ui;
};
