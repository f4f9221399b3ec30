#include "SkinStyle.h"

using namespace Qt::StringLiterals;

QString SkinStyle::panelSheet()
{
    return u"QMainWindow, #mainView, QWidget[skinnedWindow=\"true\"] { background: #101820; color: #d6dfe9; }"
           u"QMenuBar { background: #16202a; color: #d6dfe9; }"_s;
}

QString SkinStyle::listSheet()
{
    return u"QTableView { background: #0b1118; alternate-background-color: #131d28; color: #d6dfe9;"
           u" gridline-color: #1f2c3a; selection-background-color: #2a3f57; }"
           u"QHeaderView::section { background: #16202a; color: #d6dfe9; border: 0; border-right: 1px solid #1f2c3a;"
           u" padding: 3px 6px; }"
           u"QTableCornerButton::section { background: #16202a; border: 0; }"_s;
}

QString SkinStyle::controlSheet()
{
    return u"QLabel { color: #d6dfe9; }"
           u"QPushButton { background: #1d2a38; color: #d6dfe9; border: 1px solid #2f4256; border-radius: 3px;"
           u" padding: 3px 12px; }"
           u"QPushButton:hover { background: #26364a; }"
           u"QPushButton:pressed { background: #2a3f57; }"
           u"QProgressBar { background: #0b1118; border: 1px solid #2f4256; border-radius: 3px; }"
           u"QProgressBar::chunk { background: #3b6ea5; }"_s;
}
