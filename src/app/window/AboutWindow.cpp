#include "AboutWindow.h"

#include "core/VexoLanguages.h"
#include "ui_AboutWindow.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

struct Credit
{
    QString name;
    QString licence;
    QString link;
};

// What the program is built on and ships or runs, with the licence each comes under.
QList<Credit> credits()
{
    return {
        {u"Qt %1 (Widgets, WebEngine)"_s.arg(QString::fromLatin1(qVersion())), u"GNU LGPL v3"_s,
         u"https://www.qt.io/licensing"_s},
        {u"libmpv"_s, u"GNU LGPL v2.1+"_s, u"https://mpv.io"_s},
        {u"FFmpeg"_s, u"GNU LGPL v2.1+ / GPL v2+"_s, u"https://ffmpeg.org/legal.html"_s},
        {u"Leaflet (© 2010-2023 Volodymyr Agafonkin, © 2010-2011 CloudMade)"_s, u"BSD 2-Clause"_s,
         u"https://leafletjs.com"_s},
    };
}
} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutWindow>())
{
    m_ui->setupUi(this);
    setObjectName(u"aboutWindow"_s);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    retranslate();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::retranslate()
{
    setWindowTitle(localized(u"Velmora 정보"_s));
    m_ui->versionLabel->setText(u"%1 %2"_s.arg(localized(u"버전"_s), QCoreApplication::applicationVersion()));
    m_ui->licenceLabel->setText(
        u"%1 %2"_s.arg(localized(u"© 2026 Velmora 개발자."_s), localized(u"모든 권리 보유."_s)));
    m_ui->librariesTitleLabel->setText(localized(u"사용한 라이브러리와 라이선스"_s));
    QString html = u"<ul>"_s;
    for (const Credit &credit : credits()) {
        html +=
            u"<li>%1: %2 (<a href=\"%3\">%3</a>)</li>"_s.arg(credit.name.toHtmlEscaped(), credit.licence, credit.link);
    }
    html +=
        u"<li>%1: © OpenStreetMap contributors, ODbL 1.0 "
        u"(<a href=\"https://www.openstreetmap.org/copyright\">https://www.openstreetmap.org/copyright</a>)</li>"_s.arg(
            localized(u"지도 데이터"_s));
    html += u"</ul><p>%1</p>"_s.arg(localized(u"ffmpeg 프로그램은 별도의 프로그램으로 실행됩니다."_s));
    m_ui->librariesText->setHtml(html);
    m_ui->librariesText->setAccessibleName(localized(u"사용한 라이브러리와 라이선스"_s));
    if (QPushButton *close = m_ui->buttonBox->button(QDialogButtonBox::Close)) {
        close->setText(localized(u"닫기"_s));
    }
}

QString AboutWindow::plainText() const
{
    return QStringList{m_ui->nameLabel->text(), m_ui->versionLabel->text(), m_ui->licenceLabel->text(),
                       m_ui->librariesTitleLabel->text(), m_ui->librariesText->toPlainText()}
        .join(u'\n');
}
