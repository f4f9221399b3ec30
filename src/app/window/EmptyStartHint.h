#pragma once

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractItemModel;
class QWidget;

// What the window says while there is nothing to play (no card, no folder): a line over the cover
// picture telling what to do and a ring around the folder buttons. The cover then shows no play
// symbol, so nothing looks clickable that would do nothing. Follows the recording list's rows.
class EmptyStartHint : public QObject
{
    Q_OBJECT

public:
    EmptyStartHint(QAbstractItemModel *list, QLabel *cover, const QList<QWidget *> &folderButtons,
                   QObject *parent = nullptr);

    bool isShown() const { return m_shown; }
    QLabel *label() const { return m_label; }
    // Sets the line in the current language.
    void retranslate();

private:
    void update();

    QPointer<QAbstractItemModel> m_list;
    QPointer<QLabel> m_cover;
    QPointer<QLabel> m_label;
    QList<QPointer<QFrame>> m_rings;
    bool m_shown = false;
    bool m_known = false;
};
