#include "EmptyStartHint.h"

#include "core/VexoLanguages.h"

#include "ui/NamedImage.h"

#include <QAbstractItemModel>
#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

EmptyStartHint::EmptyStartHint(QAbstractItemModel *list, QLabel *cover, const QList<QWidget *> &folderButtons,
                               QObject *parent)
    : QObject(parent), m_list(list), m_cover(cover)
{
    m_label = new QLabel(cover);
    m_label->setObjectName(u"emptyStartLabel"_s);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setStyleSheet(u"color: #c8d2dc; font-size: 16pt;"_s);
    m_label->setGeometry(cover->rect().adjusted(40, 0, -40, 0));
    for (QWidget *button : folderButtons) {
        // A child of the button: it follows the button's place and visibility without wiring.
        auto *ring = new QFrame(button);
        ring->setObjectName(u"emptyStartRing"_s);
        ring->setAttribute(Qt::WA_TransparentForMouseEvents);
        ring->setStyleSheet(u"border: 2px solid #f5a623; border-radius: 5px; background: transparent;"_s);
        ring->setGeometry(button->rect());
        m_rings.append(ring);
    }
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(list, signal, this, &EmptyStartHint::update);
    }
    connect(list, &QAbstractItemModel::modelReset, this, &EmptyStartHint::update);
    connect(list, &QAbstractItemModel::layoutChanged, this, &EmptyStartHint::update);
    retranslate();
    update();
}

void EmptyStartHint::retranslate()
{
    if (m_label != nullptr) {
        m_label->setText(
            VexoLanguages::SharedVexoLanguages().localized(u"카메라의 메모리카드를 넣거나 폴더를 선택하십시오"_s));
    }
}

void EmptyStartHint::update()
{
    const bool empty = m_list == nullptr || m_list->rowCount() == 0;
    if (m_known && empty == m_shown) {
        return;
    }
    m_known = true;
    m_shown = empty;
    if (m_cover != nullptr) {
        NamedImage::setImage(m_cover, empty ? u"cover_empty"_s : u"cover_big"_s);
    }
    if (m_label != nullptr) {
        m_label->setVisible(empty);
    }
    for (const QPointer<QFrame> &ring : std::as_const(m_rings)) {
        if (ring != nullptr) {
            ring->setVisible(empty);
        }
    }
}
