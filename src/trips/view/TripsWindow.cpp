#include "TripsWindow.h"

#include "TripsViewModel.h"
#include "ui_TripsWindow.h"

#include "ui/SkinStyle.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace {
// A square of the trip's colour before the first column, so the list matches the map's lines.
class TripColourDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != 0) {
            return;
        }
        const QColor colour(index.data(TripsViewModel::ColourRole).toString());
        if (!colour.isValid()) {
            return;
        }
        QPixmap mark(12, 12);
        mark.fill(colour);
        option->icon = QIcon(mark);
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = mark.size();
    }
};
} // namespace

TripsWindow::TripsWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::TripsWindow>())
{
    m_ui->setupUi(this);
    // The main window's skin, so the list reads the same whatever the desktop's theme.
    setProperty("skinnedWindow", true);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(SkinStyle::panelSheet() + SkinStyle::listSheet() + SkinStyle::controlSheet());
    m_ui->tripsTableView->setItemDelegate(new TripColourDelegate(m_ui->tripsTableView));
    m_ui->tripsTableView->verticalHeader()->hide();
    m_ui->tripsTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    // The list's seven columns whole beside the map; the map takes what the window gains.
    m_ui->splitter->setSizes({580, 520});
    setBusy(false);
}

TripsWindow::~TripsWindow() = default;

void TripsWindow::setModel(QAbstractItemModel *model)
{
    m_ui->tripsTableView->setModel(model);
}

void TripsWindow::setMap(QWidget *map)
{
    m_ui->mapLayout->addWidget(map);
}

void TripsWindow::showProgress(qsizetype done, qsizetype total)
{
    m_ui->progressBar->setRange(0, int(qMin<qsizetype>(total, INT_MAX)));
    m_ui->progressBar->setValue(int(qMin(done, total)));
}

void TripsWindow::setBusy(bool busy)
{
    m_ui->progressBar->setVisible(busy);
    m_ui->cancelButton->setVisible(busy);
    m_ui->rebuildButton->setVisible(!busy);
    if (busy) {
        showProgress(0, 0);
    }
}

void TripsWindow::setStatus(const QString &text)
{
    m_ui->statusLabel->setText(text);
}

QTableView *TripsWindow::table() const
{
    return m_ui->tripsTableView;
}

QLabel *TripsWindow::statusLabel() const
{
    return m_ui->statusLabel;
}

QProgressBar *TripsWindow::progressBar() const
{
    return m_ui->progressBar;
}

QPushButton *TripsWindow::cancelButton() const
{
    return m_ui->cancelButton;
}

QPushButton *TripsWindow::rebuildButton() const
{
    return m_ui->rebuildButton;
}
