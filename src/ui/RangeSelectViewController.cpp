#include "RangeSelectViewController.h"

#include "BGColorView.h"
#include "NamedImage.h"
#include "ui_RangeSelectView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace Qt::StringLiterals;

RangeSelectViewController::RangeSelectViewController(QObject *parent) : VexoViewController(parent)
{
}

RangeSelectViewController::~RangeSelectViewController() = default;

BGColorView *RangeSelectViewController::gaugeBGView() const
{
    return m_ui ? m_ui->gaugeBGView : nullptr;
}

QLabel *RangeSelectViewController::gaugeImageView() const
{
    return m_ui ? m_ui->gaugeImageView : nullptr;
}

QLineEdit *RangeSelectViewController::valueTextField() const
{
    return m_ui ? m_ui->valueTextField : nullptr;
}

QWidget *RangeSelectViewController::createView()
{
    auto *root = new QWidget(); // owned by this controller until a screen takes it
    m_ui = std::make_unique<Ui::RangeSelectView>();
    m_ui->setupUi(root);
    buildRange(root);
    return root;
}

void RangeSelectViewController::buildRange(QWidget *root)
{
    m_ui->gaugeBGView->setColor(Qt::white);
    m_ui->gaugeImageView->setScaledContents(true);
    NamedImage::setImage(m_ui->gaugeImageView, u"range_gauge"_s);
    m_rangeButtonList.clear();

    const QRect track = m_ui->gaugeBGView->geometry();
    // With a single step there is nothing to divide: that step covers the whole track.
    const double stepWidth = m_rangeCount > 1 ? double(track.width()) / double(m_rangeCount - 1) : track.width();
    const int height = root->height();
    double x = track.x();
    for (qint64 i = 0; i < m_rangeCount; ++i) {
        const double width = i == 0 ? stepWidth / 2.0 : stepWidth;
        // Heights are measured up from the bottom of the picker: buttons on the bottom 15 points,
        // the tick numbers just above them.
        auto *button = new QPushButton(root);
        button->setGeometry(int(std::lround(x)), height - 15, int(std::lround(width)), 15);
        button->setFlat(true);
        button->setText(QString());
        button->setStyleSheet(u"background: transparent; border: none;"_s);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, button] { rangeButtonTouched(button); });
        m_rangeButtonList.append(button);

        auto *label = new QLabel(QString::number(i), root);
        label->setGeometry(int(std::lround(track.x() + double(i) * width - 10.0)), height - 9 - 17, 20, 17);
        QFont font = label->font();
        font.setPointSize(9);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(u"color: white; background: transparent;"_s);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        x += width;
    }
    if (m_selectedValue >= 0 && m_selectedValue < m_rangeButtonList.size()) {
        rangeButtonTouched(m_rangeButtonList.at(m_selectedValue));
    }
}

void RangeSelectViewController::setSelectedValue(qint64 value)
{
    m_selectedValue = value;
    if (value >= 0 && value < m_rangeButtonList.size()) {
        rangeButtonTouched(m_rangeButtonList.at(value));
    }
}

void RangeSelectViewController::rangeButtonTouched(QPushButton *button)
{
    const qsizetype index = m_rangeButtonList.indexOf(button);
    if (index < 0 || !m_ui) {
        return;
    }
    m_selectedValue = index;
    m_ui->valueTextField->setText(QString::number(index));
    QLabel *fill = m_ui->gaugeImageView;
    const QRect track = m_ui->gaugeBGView->geometry();
    fill->setGeometry(track.x(), fill->y(), button->width() * int(index), fill->height());
    Q_EMIT selectedValueChanged(m_selectedValue);
}
