#include "IncidentDialog.h"

#include "core/VexoLanguages.h"
#include "ui_IncidentDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}
} // namespace

IncidentDialog::IncidentDialog(double moment, double duration, const QString &folder, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::IncidentDialog>())
{
    m_ui->setupUi(this);
    setObjectName(u"incidentDialog"_s);
    setWindowTitle(localized(u"사고 보고서"_s));
    m_ui->momentLabel->setText(localized(u"사고 순간 (초)"_s));
    m_ui->beforeLabel->setText(localized(u"이전 (초)"_s));
    m_ui->afterLabel->setText(localized(u"이후 (초)"_s));
    m_ui->folderLabel->setText(localized(u"저장 위치"_s));
    m_ui->browseButton->setText(localized(u"찾아보기…"_s));
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(localized(u"만들기"_s));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(localized(u"취소"_s));
    if (duration > 0.0) {
        m_ui->momentSpinBox->setMaximum(duration);
    }
    m_ui->momentSpinBox->setValue(moment);
    setFolder(folder);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &IncidentDialog::browse);
    connect(m_ui->folderLineEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
        m_ui->folderLineEdit->setToolTip(text);
    });
}

IncidentDialog::~IncidentDialog() = default;

double IncidentDialog::moment() const
{
    return m_ui->momentSpinBox->value();
}

double IncidentDialog::before() const
{
    return m_ui->beforeSpinBox->value();
}

double IncidentDialog::after() const
{
    return m_ui->afterSpinBox->value();
}

QString IncidentDialog::folder() const
{
    return QDir::fromNativeSeparators(m_ui->folderLineEdit->text().trimmed());
}

void IncidentDialog::setFolder(const QString &folder)
{
    m_ui->folderLineEdit->setText(QDir::toNativeSeparators(folder));
    fitFolderField();
}

void IncidentDialog::fitFolderField()
{
    // The whole path is read at a glance: the field is as wide as it, up to most of the screen,
    // and its tooltip holds it when even that is too narrow.
    QLineEdit *field = m_ui->folderLineEdit;
    const QString text = field->text();
    const QScreen *screen = this->screen();
    const int widest = screen != nullptr ? screen->availableGeometry().width() * 2 / 3 : 1000;
    const int wanted = field->fontMetrics().horizontalAdvance(text + u"MM"_s) +
                       2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    field->setMinimumWidth(std::min(wanted, widest));
    field->setToolTip(text);
    adjustSize();
}

void IncidentDialog::browse()
{
    // The user picks where the report goes; its folder keeps the proposed name.
    const QFileInfo current(folder());
    const QString parentFolder =
        QFileDialog::getExistingDirectory(this, localized(u"저장 위치"_s), current.absolutePath());
    if (!parentFolder.isEmpty()) {
        setFolder(QDir(parentFolder).filePath(current.fileName()));
    }
}
