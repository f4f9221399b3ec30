#include "ConversionProgressView.h"

#include "core/VexoLanguages.h"
#include "ui_ConversionProgressView.h"

#include "app/ConversionProgress.h"

#include <QEvent>

using namespace Qt::StringLiterals;

ConversionProgressView::ConversionProgressView(ConversionProgress *model, QWidget *playerPlace)
    : QFrame(playerPlace->parentWidget()), m_ui(std::make_unique<Ui::ConversionProgressView>()), m_model(model),
      m_playerPlace(playerPlace)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    playerPlace->installEventFilter(this);
    connect(model, &ConversionProgress::changed, this, &ConversionProgressView::refresh);
    hide();
    refresh();
}

ConversionProgressView::~ConversionProgressView() = default;

void ConversionProgressView::refresh()
{
    if (m_model == nullptr || !m_model->isVisible()) {
        hide();
        return;
    }
    m_ui->captionLabel->setText(VexoLanguages::SharedVexoLanguages().localized(u"동영상 변환 중"_s));
    const QLabel *name = m_ui->recordingNameLabel;
    // A long file name keeps its start and its end (date and camera letter), the middle goes.
    m_ui->recordingNameLabel->setText(
        name->fontMetrics().elidedText(m_model->recordingName(), Qt::ElideMiddle, name->width()));
    m_ui->recordingNameLabel->setToolTip(m_model->recordingName());
    m_ui->progressBar->setValue(m_model->percent());
    centreOverPlayer();
    show();
    raise();
}

bool ConversionProgressView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_playerPlace && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        centreOverPlayer();
    }
    return QFrame::eventFilter(watched, event);
}

void ConversionProgressView::centreOverPlayer()
{
    if (m_playerPlace == nullptr) {
        return;
    }
    QRect place = rect();
    place.moveCenter(m_playerPlace->geometry().center());
    move(place.topLeft());
}
