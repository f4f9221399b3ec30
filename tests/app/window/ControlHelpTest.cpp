// Every control says what it does: a walk over every visible widget of every window in each
// language, the shortcuts window against the key table, the About window, and the buttons that
// have nothing to do on this computer.
#include "app/window/ControlHelp.h"

#include "DemoWindowTest.h"
#include "core/VexoLanguages.h"
#include "trips/view/TripsViewController.h"
#include "trips/view/TripsWindow.h"
#include "ui_QB62SettingViewController.h"

#include "app/window/AboutWindow.h"
#include "app/window/IncidentDialog.h"
#include "app/window/KeyboardShortcutsWindow.h"
#include "app/window/TripsController.h"
#include "playback/SeekTimeSliderView.h"
#include "playback/VolumeSliderView.h"
#include "settings/ini/KRVSettingManager.h"
#include "settings/ini/editor/KRVSettingViewController.h"
#include "settings/screens/QB62SettingViewController.h"
#include "settings/screens/ScreenTestSupport.h"
#include "settings/screens/SelectDeviceViewController.h"
#include "settings/screens/SelectFlashMemoryViewController.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
QString localized(const QString &key)
{
    return VexoLanguages::SharedVexoLanguages().localized(key);
}

bool hasHangul(const QString &text)
{
    static const QRegularExpression hangul(u"[\\x{AC00}-\\x{D7A3}]"_s);
    return text.contains(hangul);
}

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// What a screen reader announces for WIDGET: Qt's accessibility interface, as the AT-SPI bridge
// reads it.
QString announcedName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).trimmed() : QString();
}

// The deliberate exceptions: the scroll bars of scroll areas, which screen readers announce as
// the scroll bars of the area they move and which show no tooltip in any desktop program.
bool isException(const QWidget *widget)
{
    return qobject_cast<const QScrollBar *>(widget) != nullptr;
}

bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractSlider *>(widget) ||
           qobject_cast<const SeekTimeSliderView *>(widget) || qobject_cast<const VolumeSliderView *>(widget);
}

// The visible controls under ROOT that show no text and lack a tooltip or a spoken name, or whose
// tooltip or name was left in Korean in another language.
QStringList silentControls(QWidget *root, const QString &language, int &checked)
{
    QStringList findings;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || !isControl(widget) || isException(widget)) {
            continue;
        }
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if (button != nullptr && !button->text().trimmed().isEmpty()) {
            continue; // its text says what it does, and is what a screen reader reads
        }
        ++checked;
        const QString tip = widget->toolTip().trimmed();
        const QString spoken = announcedName(widget);
        if (tip.isEmpty() || spoken.isEmpty()) {
            findings << u"%1 in %2: tooltip \"%3\", name \"%4\""_s.arg(nameOf(widget), nameOf(root), tip, spoken);
        } else if (language != u"ko" && (hasHangul(tip) || hasHangul(spoken))) {
            findings << u"%1 in %2: untranslated \"%3\""_s.arg(nameOf(widget), nameOf(root), tip);
        }
    }
    return findings;
}

class ControlHelpTest : public DemoWindowTest
{
protected:
    ControlHelp &help() const { return *controller->controlHelp(); }
};

class ControlHelpWalkTest : public ControlHelpTest, public ::testing::WithParamInterface<QString>
{
protected:
    void SetUp() override
    {
        ControlHelpTest::SetUp();
        Preferences::changeLanguage(GetParam());
        drain();
    }
    void TearDown() override
    {
        QB62SettingManager::ChagneQB62SettingManager(std::make_shared<QB62SettingManager>());
        ControlHelpTest::TearDown();
    }

    void walk(QWidget *root)
    {
        root->show();
        drain();
        int checked = 0;
        findings << silentControls(root, GetParam(), checked);
        checkedPerWindow[root->objectName()] += checked;
    }

    // The record editor of every layout, on each of its four tabs.
    void walkRecordEditors()
    {
        for (const qint64 type : {0, 1, 2, 3, 5, 7, 11}) {
            QTemporaryDir card;
            screentest::writeCard(card.path(), type, 17, {});
            auto manager = std::make_shared<QB62SettingManager>();
            manager->setAlertPresenter(std::make_shared<screentest::Alerts>());
            manager->setModelType(type);
            manager->setFirmwareVersionInt(17);
            manager->setSettingDirPath(card.path());
            manager->loadData();
            QB62SettingManager::ChagneQB62SettingManager(manager);
            QB62SettingViewController screen;
            screen.view()->setObjectName(u"recordEditor%1"_s.arg(type));
            const Ui::QB62SettingViewController &ui = screen.ui();
            for (ImageButton *tab : {ui.commonTabButton, ui.alwaysTabButton, ui.parkingTabButton, ui.etcTabButton}) {
                QTest::mouseClick(tab, Qt::LeftButton);
                walk(screen.view());
            }
        }
    }

    void walkIniEditor()
    {
        QTemporaryDir card;
        ASSERT_TRUE(QDir(card.path()).mkpath(u"SETTING"_s));
        QFile file(QDir(card.path()).filePath(u"SETTING/blackbox.cfg"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[capacity]\r\nconst=35\r\nevent=17\r\nmanual=39\r\npark=4\r\n[blackbox]\r\nmodel=QF27\r\n"
                   "version=2.10\r\npark_mode=1\r\npower_off_vlt=11850\r\nlocal_time=9.500000\r\n"
                   "voice_out=1\r\nvoice_volume=2\r\nacc_level=3\r\n[time]\r\nset=0\r\n");
        file.close();
        auto cardSettings = std::make_shared<QB62SettingManager>();
        cardSettings->setSettingDirPath(card.path());
        cardSettings->setModelType(KRVSettingManager::ModelTypeQF27);
        auto manager = std::make_shared<KRVSettingManager>();
        manager->setCardSettings(cardSettings);
        manager->loadData();
        KRVSettingViewController screen(manager);
        screen.view()->setObjectName(u"iniEditor"_s);
        walk(screen.view());
    }

    QStringList findings;
    QMap<QString, int> checkedPerWindow;
};

TEST_P(ControlHelpWalkTest, EveryVisibleControlOfEveryWindowSaysWhatItDoes)
{
    walk(controller->mainWindow());
    walk(controller->fullscreenMovieControlWindow());
    help().shortcutsAction()->trigger();
    walk(help().shortcutsWindow());
    help().aboutAction()->trigger();
    walk(help().aboutWindow());
    IncidentDialog incident(12.0, 60.0, u"report"_s); // shown only, never written
    walk(&incident);
    QTemporaryDir mounts;
    ASSERT_TRUE(QDir(mounts.path()).mkpath(u"CARD/SETTING"_s));
    SelectFlashMemoryViewController cards(std::make_shared<FolderVolumes>(mounts.path()));
    walk(cards.view());
    SelectDeviceViewController models;
    walk(models.view());
    walkRecordEditors();
    walkIniEditor();
    EXPECT_TRUE(findings.isEmpty()) << GetParam().toStdString() << ":\n  " << findings.join(u"\n  "_s).toStdString();
    // The walk saw the controls it is about: the main window's icon buttons and sliders (the
    // list strip's remove button is hidden), and the editors' cells and sliders.
    EXPECT_GE(checkedPerWindow.value(u"mainWindow"_s), 25);
    EXPECT_GT(checkedPerWindow.value(u"recordEditor3"_s), 40);
    EXPECT_GT(checkedPerWindow.value(u"iniEditor"_s), 10);
}

INSTANTIATE_TEST_SUITE_P(Languages, ControlHelpWalkTest, ::testing::Values(u"en"_s, u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });

TEST_F(ControlHelpTest, TooltipsNameTheActionAndItsKeyInTheCurrentLanguage)
{
    EXPECT_EQ(ui().zoomInButton->toolTip(), u"Zoom in (+)"_s);
    EXPECT_EQ(ui().zoomInButton->accessibleName(), u"Zoom in"_s) << "the key is not part of the name";
    EXPECT_EQ(ui().printButton->toolTip(), u"Print (Ctrl+P)"_s);
    EXPECT_EQ(ui().rewindButton->toolTip(), u"One frame back (Left)"_s);
    EXPECT_EQ(ui().stopButton->toolTip(), u"Stop"_s) << "no key, no brackets";
    Preferences::changeLanguage(u"fr"_s);
    drain();
    EXPECT_EQ(ui().zoomInButton->toolTip(), u"Zoom avant (+)"_s);
    EXPECT_EQ(ui().muteButton->accessibleName(), u"Couper / rétablir le son"_s);
}

TEST_F(ControlHelpTest, TheShortcutsWindowListsExactlyTheTableKeys)
{
    help().shortcutsAction()->trigger();
    ASSERT_NE(help().shortcutsWindow(), nullptr);
    EXPECT_TRUE(help().shortcutsWindow()->isVisible());
    // Written out: the original keys, then the ones other video players taught our users.
    const QStringList expected = {u"Left"_s, u"Right"_s, u"Down"_s, u"Up"_s, u"Space"_s, u"Esc"_s, u"Return"_s,
                                  u"Enter"_s, u"Ctrl+Q"_s, u"Ctrl+W"_s, u"Ctrl+M"_s, u","_s, u"."_s, u"PgUp"_s,
                                  u"PgDown"_s, u"+"_s, u"-"_s, u"0"_s, u"S"_s, u"M"_s, u"F"_s, u"Ctrl+P"_s,
                                  // play speed and jumps
                                  u"]"_s, u"["_s, u"Backspace"_s, u"Shift+Left"_s, u"Shift+Right"_s, u"Ctrl+Left"_s,
                                  u"Ctrl+Right"_s};
    EXPECT_EQ(help().shortcutsWindow()->listedKeys(), expected);
    EXPECT_EQ(help().shortcutsWindow()->listedKeys().size(), KeyCommandTable::rows().size());
    EXPECT_TRUE(help().shortcutsAction()->text() == u"Keyboard shortcuts"_s);
    // The menu holds the two items once, above Quit.
    const QList<QAction *> items = ui().applicationMenu->actions();
    EXPECT_EQ(items.count(help().shortcutsAction()), 1);
    EXPECT_LT(items.indexOf(help().aboutAction()), items.indexOf(ui().quitAction));
}

TEST_F(ControlHelpTest, TheAboutWindowGivesVersionLicenceLibrariesAndMapAttribution)
{
    QCoreApplication::setApplicationVersion(u"9.8.7"_s);
    help().aboutAction()->trigger();
    ASSERT_NE(help().aboutWindow(), nullptr);
    const QString text = help().aboutWindow()->plainText();
    for (const QString &expected :
         {u"Version 9.8.7"_s, u"All rights reserved."_s, u"Qt "_s, u"libmpv"_s, u"FFmpeg"_s, u"Leaflet"_s,
          u"BSD 2-Clause"_s, u"OpenStreetMap contributors"_s, u"ODbL"_s, u"LGPL"_s}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " missing from:\n" << text.toStdString();
    }
    EXPECT_EQ(help().aboutWindow()->windowTitle(), u"About Velmora"_s);
    Preferences::changeLanguage(u"ja"_s);
    drain();
    EXPECT_EQ(help().aboutWindow()->windowTitle(), u"Velmoraについて"_s) << "an open window follows the language";
}

TEST_F(ControlHelpTest, TheCloudAndBrandButtonsStayDisabledAndDoNothing)
{
    drain();
    const QList<ImageButton *> buttons = {ui().cloudUpButton, ui().cloudDownButton, ui().goHomepageButton};
    const auto checkAll = [&](const char *when) {
        for (ImageButton *button : buttons) {
            SCOPED_TRACE(when);
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
            EXPECT_FALSE(button->imageName().isEmpty()) << "it keeps its picture";
            EXPECT_TRUE(button->toolTip().contains(localized(u"이 컴퓨터에서는 사용할 수 없습니다"_s)))
                << button->toolTip().toStdString();
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            QTest::mouseClick(button, Qt::LeftButton);
            button->click();
            EXPECT_EQ(clicked.count(), 0) << button->objectName().toStdString();
        }
    };
    checkAll("at start");
    EXPECT_EQ(ui().goHomepageButton->imageName(), u"brand_link_kestrix1"_s);
    playFrontAndRear();
    controller->enableVideoControls(true);
    checkAll("while playing");
    Preferences::changeLanguage(u"pt"_s);
    drain();
    checkAll("after a change of language");
}
} // namespace

namespace {
// Every text a user reads in the windows added since the first release and the application menu,
// by where it is shown: window titles, labels, buttons, text panes, list headers and cells, menus.
QMap<QString, QString> visibleTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    texts.insert(root->objectName() + u"/title"_s, root->windowTitle());
    QMap<QString, int> seen; // widgets of one name, told apart by their order
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->window() != root) {
            continue; // a window of its own, walked as such
        }
        const QString name = nameOf(widget);
        const QString where = u"%1/%2#%3"_s.arg(root->objectName(), name).arg(seen[name]++);
        if (const auto *label = qobject_cast<QLabel *>(widget)) {
            texts.insert(where, QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        } else if (const auto *button = qobject_cast<QAbstractButton *>(widget)) {
            texts.insert(where, button->text());
        } else if (const auto *pane = qobject_cast<QTextEdit *>(widget)) {
            texts.insert(where, pane->toPlainText());
        } else if (const auto *list = qobject_cast<QTableView *>(widget); list && list->model()) {
            // The headers; the cells are the program's own texts only in a fixed table (the
            // shortcuts), elsewhere the card's names and figures.
            const QAbstractItemModel *model = list->model();
            const bool fixed = qobject_cast<const QTableWidget *>(list) != nullptr;
            for (int column = 0; column < model->columnCount(); ++column) {
                texts.insert(where + u"/header%1"_s.arg(column), model->headerData(column, Qt::Horizontal).toString());
                for (int row = 0; fixed && row < model->rowCount(); ++row) {
                    texts.insert(where + u"/%1,%2"_s.arg(row).arg(column), model->index(row, column).data().toString());
                }
            }
        }
    }
    const QList<QMenu *> menus = root->findChildren<QMenu *>();
    for (qsizetype m = 0; m < menus.size(); ++m) {
        const QString where = u"%1/menu%2"_s.arg(root->objectName()).arg(m);
        texts.insert(where, menus.at(m)->title());
        const QList<QAction *> actions = menus.at(m)->actions();
        for (qsizetype a = 0; a < actions.size(); ++a) {
            texts.insert(where + u"/%1"_s.arg(a), actions.at(a)->text());
        }
    }
    return texts;
}

// The words of every text LANGUAGE's table gives: a word a translation itself uses ("Version",
// "Distance" in French) is not English left behind.
QSet<QString> tableWords(const QString &language)
{
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR) + u"/resources/translations/keys.json"_s);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<QString> words;
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    for (const QJsonValue &key : QJsonDocument::fromJson(file.readAll()).array()) {
        const QString text = VexoLanguages::SharedVexoLanguages().localized(key.toString(), language);
        for (auto match = word.globalMatch(text); match.hasNext();) {
            words.insert(match.next().captured());
        }
    }
    return words;
}

// Names and marks that read the same in every language.
const QSet<QString> &namesKeptInEveryLanguage()
{
    static const QSet<QString> names = {
        u"Velmora"_s, u"Qt"_s, u"Widgets"_s, u"WebEngine"_s, u"libmpv"_s, u"FFmpeg"_s, u"ffmpeg"_s, u"Leaflet"_s,
        u"Volodymyr"_s, u"Agafonkin"_s, u"CloudMade"_s, u"GNU"_s, u"LGPL"_s, u"GPL"_s, u"BSD"_s, u"Clause"_s,
        u"OpenStreetMap"_s, u"contributors"_s, u"ODbL"_s, u"https"_s, u"www"_s, u"qt"_s, u"io"_s, u"licensing"_s,
        u"mpv"_s, u"org"_s, u"legal"_s, u"html"_s, u"leafletjs"_s, u"com"_s, u"openstreetmap"_s, u"copyright"_s,
        u"OK"_s, u"Ver"_s, u"km"_s, u"mph"_s,
        // key caps that Qt's own translations keep as printed on
        // keyboards (Japanese and Portuguese)
        u"Ctrl"_s, u"Esc"_s, u"Return"_s, u"Enter"_s, u"PgUp"_s, u"PgDown"_s, u"Space"_s, u"Backspace"_s};
    return names;
}

class LanguageWalkTest : public ControlHelpTest, public ::testing::WithParamInterface<QString>
{
protected:
    QMap<QString, QString> textsIn(const QString &language)
    {
        Preferences::changeLanguage(language);
        drain();
        QMap<QString, QString> texts;
        help().shortcutsAction()->trigger();
        help().aboutAction()->trigger();
        IncidentDialog incident(12.0, 60.0, u"report"_s); // shown only, never written
        incident.setObjectName(u"incidentDialog"_s);
        for (QWidget *root :
             {static_cast<QWidget *>(controller->mainWindow()), static_cast<QWidget *>(help().shortcutsWindow()),
              static_cast<QWidget *>(help().aboutWindow()),
              static_cast<QWidget *>(controller->trips()->view()->window()), static_cast<QWidget *>(&incident)}) {
            texts.insert(visibleTexts(root));
        }
        return texts;
    }
};

// What a French, Japanese or Portuguese user reads is never the English text left as it was: a
// text that reads the same as in English holds only words of that language's own table and names.
TEST_P(LanguageWalkTest, NoVisibleTextIsLeftInEnglish)
{
    const QMap<QString, QString> english = textsIn(u"en"_s);
    const QMap<QString, QString> shown = textsIn(GetParam());
    const QSet<QString> own = tableWords(GetParam());
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    QStringList leftovers;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (!english.contains(it.key()) || it.value() != english.value(it.key())) {
            continue; // translated, or a widget made in this language only
        }
        for (auto match = word.globalMatch(it.value()); match.hasNext();) {
            const QString found = match.next().captured();
            if (!own.contains(found) && !namesKeptInEveryLanguage().contains(found)) {
                leftovers << u"%1: \"%2\""_s.arg(it.key(), it.value());
                break;
            }
        }
    }
    EXPECT_TRUE(leftovers.isEmpty()) << GetParam().toStdString() << ":\n  " << leftovers.join(u"\n  "_s).toStdString();
    EXPECT_GT(shown.size(), 60) << "the walk saw the windows' texts";
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWalkTest, ::testing::Values(u"fr"_s, u"ja"_s, u"pt"_s),
                         [](const ::testing::TestParamInfo<QString> &param) { return param.param.toStdString(); });
} // namespace
